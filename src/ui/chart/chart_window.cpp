#include "chart_window.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QKeySequence>
#include <QVBoxLayout>

#include "ui/chart/chart_widget.h"
#include "ui/widgets/message_box.h"

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window), chart_(new ChartWidget) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_);
    setFocusProxy(chart_);
    set_page(QString());
    // The main window's designed size, about 600 by 430 pixels: room for a legend of twelve
    // categories beside the axes.
    resize(600, 430);
    connect(chart_, &ChartWidget::item_picked, this, &ChartWindow::item_picked);
    const auto add_command = [this](const char* name, const QString& text,
                                    const QKeySequence& keys) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    connect(add_command("save_chart_action", QStringLiteral("&Salva immagine…"),
                        QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &ChartWindow::on_save);
    connect(
        add_command("close_chart_action", QStringLiteral("&Chiudi"), QKeySequence(Qt::Key_Escape)),
        &QAction::triggered, this, &QWidget::close);
}

void ChartWindow::set_page(const QString& page) {
    setWindowTitle(page.isEmpty() ? QStringLiteral("Grafico")
                                  : QStringLiteral("Grafico \u2014 %1").arg(page));
}

bool ChartWindow::save_png(const QString& path) const {
    const QImage image = chart_->render(size(), devicePixelRatioF());
    QImageWriter writer(path, "png");
    return writer.write(image);
}

void ChartWindow::on_save() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salva il grafico"),
                                                QStringLiteral("grafico.png"),
                                                QStringLiteral("Immagini PNG (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".png");
    }
    if (!save_png(path)) {
        show_message(this, QStringLiteral("Impossibile salvare il grafico in «%1».").arg(path),
                     windowTitle(), QMessageBox::Warning);
    }
}
