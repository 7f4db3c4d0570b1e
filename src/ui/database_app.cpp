#include "database_app.h"

#include <QTimer>

#include "artwork.h"
#include "main_dialog.h"

ItemList catalogue;

namespace {

// For documentation and headless runs: when set, the window saves a picture of itself at
// this path once it is up, and closes.
constexpr const char* screenshot_variable = "TORVANE_SCREENSHOT";

void schedule_screenshot(MainDialog& dialog, const QString& path) {
    QTimer::singleShot(700, &dialog, [&dialog, path] {
        const bool saved = dialog.grab().save(path, "PNG");
        dialog.done(saved ? 0 : 1);
    });
}

} // namespace

DatabaseApp::DatabaseApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Torvane Database"));
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addPixmap(draw_app_icon(size));
    }
    setWindowIcon(icon);
}

int DatabaseApp::run() {
    MainDialog dialog;
    const QString screenshot = qEnvironmentVariable(screenshot_variable);
    if (!screenshot.isEmpty()) {
        schedule_screenshot(dialog, screenshot);
    }
    const int result = dialog.do_modal();
    // Only a failed screenshot is an error; closing the window is the normal end.
    return (!screenshot.isEmpty() && result != 0) ? 1 : 0;
}
