#include "help_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/app/window_settings.h"

// The resource is linked from a static library: it must be named for the linker to keep it.
static void load_help_resource() {
    Q_INIT_RESOURCE(help);
}

namespace {

// The help text of the resource, with the settings file it names filled in.
QString help_text() {
    load_help_resource();
    QFile file(QStringLiteral(":/help/guida.html"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("%SETTINGS%"),
                 QDir::toNativeSeparators(WindowSettings::default_file_path()).toHtmlEscaped());
}

} // namespace

QAction* HelpWindow::add_command(QWidget* window) {
    auto* action = new QAction(QStringLiteral("&Guida"), window);
    action->setObjectName(QStringLiteral("help_action"));
    action->setShortcut(QKeySequence::HelpContents);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    QObject::connect(action, &QAction::triggered, window, [window] {
        // Made on the first need: a window nobody opens costs nothing at start-up.
        auto* help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (help == nullptr) {
            help = new HelpWindow(window);
        }
        help->show();
        help->raise();
        help->activateWindow();
    });
    return action;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("help_window"));
    setWindowTitle(QStringLiteral("Guida di Torvane Database"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("help_text"));
    text->setAccessibleName(QStringLiteral("Guida"));
    text->setHtml(help_text());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    setFocusProxy(text);
    resize(560, 600);
    auto* close = new QAction(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("close_help_action"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}
