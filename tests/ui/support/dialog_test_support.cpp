#include "support/dialog_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include "ui/database_app.h"

QByteArray sample_archive() {
    return {"; archivio di prova\r\n"
            "Reliquia \x80?\r\n"
            "[armi]\r\n"
            "Spada Corta=\"+1 For\",10,0,2,\"Fabbro di Rocca\",3,7\r\n"
            "Ascia=\"\",14,0,0,\"Bottega\",1,2\r\n"
            "Mazza &Ferrata=\"<b>Grassetto</b>\",16,0,3,\"Mercato\",8,12\r\n"
            "[scudi]\n"
            "Scudo di Vimini=\"\",3,2,0,0,0,0,\"Bottega\",1.5\n"
            "Scudo a Goccia=\"+1 Res\",10,8,0,0,0,0,\"Fucina\",4.25\n"
            "[ARMATURE]\n"
            "Cotta di Maglia=\"+5 Res\",8,4,-1,0,0,0,\"Mercante\",6.5\n"
            "[archi]\n"
            "Arco Corto=\"+1 Agi\",5,8,0,0,\"Bosco\",2,6\n"
            "[anelli]\n"
            "\xC0ncora d'Oro=\"\",0,0,0,0,0,0,\"Porto\",0.25\n"
            "Anello di prova=\"Protezione\",2,0,1,0,3,30,\"Grotta\",1.5\n"
            "[abilit\xE0]\n"
            "Arrampicata=2,6,4,8,0,0,\"Guida\",\"Cacciatore\",70,6\n"
            "[incantesimi]\n"
            "Scintilla=4,1,6,0,\"Magia rossa\",\"Torre\",\"Alchimista\",1,40\n"};
}

DialogHarness::DialogHarness(const QByteArray* archive, const ProgramStart* program)
    : previous_directory_(QDir::currentPath()),
      previous_config_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME") ? qgetenv("XDG_CONFIG_HOME")
                                                                    : QByteArray()) {
    if (!directory_.isValid() || !config_.isValid()) {
        return;
    }
    // No test sees settings another one left.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(program ? program->config_dir : config_.path()));
    if (archive != nullptr) {
        QFile file(directory_.filePath(QStringLiteral("archive.dat")));
        if (!file.open(QIODevice::WriteOnly) || file.write(*archive) != archive->size()) {
            return;
        }
    }
    QDir::setCurrent(directory_.path());
    if (program != nullptr) {
        settings_ = std::make_unique<WindowSettings>();
        dialog_ = std::make_unique<MainDialog>(
            startup_catalogue(program->named, settings_->memory().last_catalogue));
    } else {
        dialog_ = std::make_unique<MainDialog>(startup_catalogue(QString(), QString()));
    }
    if (settings_ != nullptr) {
        dialog_->remember_in(*settings_);
    }
    dialog_->show();
    ready_ = QTest::qWaitForWindowActive(dialog_.get(), hang_timeout_ms);
}

DialogHarness::~DialogHarness() {
    dialog_.reset();
    QDir::setCurrent(previous_directory_);
    if (previous_config_.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", previous_config_);
    }
}

QStringList DialogHarness::lines(const char* list_name) const {
    QStringList result;
    const QAbstractItemModel* model = list(list_name)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        result.append(model->index(row, 0).data().toString());
    }
    return result;
}

int DialogHarness::row_of(const char* list_name, const QString& text) const {
    return static_cast<int>(lines(list_name).indexOf(text));
}

void DialogHarness::click_line(const char* list_name, int row) const {
    QListView* view = list(list_name);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void DialogHarness::double_click_line(const char* list_name, int row) const {
    QListView* view = list(list_name);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

QString DialogHarness::label_text(const char* name) const {
    return child<QLabel>(name)->text();
}

QString DialogHarness::edit_text(const char* name) const {
    return child<QLineEdit>(name)->text();
}

void DialogHarness::set_edit_text(const char* name, const QString& text) const {
    child<QLineEdit>(name)->setText(text);
}

QString found_text(int count) {
    return QStringLiteral("Oggetti Trovati: %1").arg(count);
}

QStringList item_names(const DialogHarness& harness, const char* list) {
    QStringList result;
    for (const QString& line : harness.lines(list)) {
        if (!line.startsWith(QLatin1Char('['))) {
            result.append(line.section(QStringLiteral(" - "), 0, 0));
        }
    }
    return result;
}

void click_button(DialogHarness& harness, const char* name) {
    QTest::mouseClick(harness.child<QAbstractButton>(name), Qt::LeftButton);
}

ModalWatcher::ModalWatcher(std::function<void(QWidget* window)> act) : act_(std::move(act)) {
    QCoreApplication::instance()->installEventFilter(this);
}

ModalWatcher::~ModalWatcher() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ModalWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && (window->isModal() || window->windowType() == Qt::Popup)) {
            QMetaObject::invokeMethod(
                this,
                [this, shown = QPointer<QWidget>(window)] {
                    if (shown != nullptr && shown->isVisible()) {
                        act_(shown);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

ModalRecord answer_modals(const std::function<void()>& action) {
    ModalRecord record;
    const ModalWatcher watcher([&record](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box == nullptr) {
            return;
        }
        ++record.count;
        record.text = box->text();
        record.title = box->windowTitle();
        record.format = box->textFormat();
        record.buttons = static_cast<int>(box->buttons().size());
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->reject();
        }
    });
    action();
    return record;
}
