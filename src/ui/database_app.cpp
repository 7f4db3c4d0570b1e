#include "database_app.h"

#include <optional>

#include <QTimer>

#include "ui/app/app_identity.h"
#include "ui/app/catalogue_file.h"
#include "ui/app/window_settings.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/message_box.h"
#include "ui/window/main_dialog.h"

namespace {

// For documentation and headless runs: when set, the window saves a picture of itself at
// this path once it is up, and closes.
constexpr const char* screenshot_variable = "TORVANE_SCREENSHOT";
constexpr int screenshot_delay_ms = 700;

} // namespace

DatabaseApp::DatabaseApp(int& argc, char** argv)
    : QApplication(argc, argv), screenshot_path_(qEnvironmentVariable(screenshot_variable)) {
    // The X11 window class and the Wayland application id tie the window to its launcher.
    setApplicationName(QString::fromLatin1(program_name));
    setDesktopFileName(QString::fromLatin1(desktop_file_name));
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addPixmap(draw_app_icon(size));
    }
    setWindowIcon(icon);
}

int DatabaseApp::run(const QString& file) {
    // A run for a screenshot shows the designed window and remembers nothing.
    std::optional<WindowSettings> settings;
    if (screenshot_path_.isEmpty()) {
        settings.emplace();
    }
    CatalogueFile catalogue =
        startup_catalogue(file, settings ? settings->memory().last_catalogue : QString());
    if (!file.isEmpty()) {
        // Read before the window opens, so that a file that cannot be read is told first.
        if (const torvane::ReadStatus status = catalogue.read_once();
            status != torvane::ReadStatus::read) {
            show_message(nullptr, read_failure_message(catalogue.path(), status), program_title(),
                         QMessageBox::Warning);
        }
    }
    MainDialog dialog(std::move(catalogue));
    if (settings) {
        dialog.remember_in(*settings);
    }
    QTimer screenshot_timer;
    if (!screenshot_path_.isEmpty()) {
        screenshot_timer.setSingleShot(true);
        connect(&screenshot_timer, &QTimer::timeout, &dialog, [this, &dialog] {
            const bool saved = dialog.grab().save(screenshot_path_, "PNG");
            dialog.done(saved ? QDialog::Rejected : QDialog::Accepted);
        });
        screenshot_timer.start(screenshot_delay_ms);
    }
    const int result = dialog.do_modal();
    // Closing the window is the normal end; only a screenshot that was not saved fails.
    return (!screenshot_path_.isEmpty() && result != QDialog::Rejected) ? 1 : 0;
}
