#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QListView>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "ui/app/window_settings.h"
#include "ui/window/catalogue_session.h"
#include "ui/window/filter_panel.h"
#include "ui/window/main_dialog.h"

// How long a wait for the window system may take before the test counts it as hung. Every
// wait returns as soon as its condition holds, so only a hang ever waits this long; a busy
// machine can take far longer than Qt's default of five seconds to activate a window.
constexpr int hang_timeout_ms = 120'000;

// A small catalogue with a record on every page, Windows-1252 bytes included:
// one undefined record, three weapons, two shields, one armour, one bow, two rings, one
// ability and one spell, twelve records in all.
QByteArray sample_archive();
constexpr int sample_count = 12;

// A start of the window as the program makes it: with the settings in config_dir, on the
// catalogue named on the command line (none when empty) or the one the start-up order picks.
struct ProgramStart {
    QString config_dir;
    QString named;
};

// Opens the real window on an archive written into a fresh current directory; with no
// archive the directory has none. The window reads archive.dat there, as at program start.
// Bare, it keeps no settings, and any it looked for would be in a settings folder of its own;
// started as the program, it uses the settings of the start.
class DialogHarness {
public:
    explicit DialogHarness(const QByteArray* archive, const ProgramStart* program = nullptr);
    ~DialogHarness();
    DialogHarness(const DialogHarness&) = delete;
    DialogHarness& operator=(const DialogHarness&) = delete;

    MainDialog& dialog() { return *dialog_; }
    // The window's parts, as the window names them.
    template <typename Part> Part& part(const char* name) const {
        return *dialog_->findChild<Part*>(QString::fromLatin1(name));
    }
    FilterPanel& filter() const { return part<FilterPanel>("filter_panel"); }
    CatalogueSession& session() const { return part<CatalogueSession>("catalogue_session"); }
    // The fresh current directory.
    QString directory() const { return directory_.path(); }
    bool ready() const { return ready_; }

    template <typename Widget> Widget* child(const char* name) const {
        return dialog_->findChild<Widget*>(QString::fromLatin1(name));
    }

    QListView* list(const char* name) const { return child<QListView>(name); }
    // Every line of a page list as shown.
    QStringList lines(const char* list_name) const;
    // The row of the first line equal to text, or -1.
    int row_of(const char* list_name, const QString& text) const;
    // Clicks a line with the mouse, as the user selects it.
    void click_line(const char* list_name, int row) const;
    void double_click_line(const char* list_name, int row) const;
    QString label_text(const char* name) const;
    QString edit_text(const char* name) const;
    void set_edit_text(const char* name, const QString& text) const;

private:
    QTemporaryDir directory_;
    QTemporaryDir config_;
    QString previous_directory_;
    QByteArray previous_config_;
    std::unique_ptr<WindowSettings> settings_;
    std::unique_ptr<MainDialog> dialog_;
    bool ready_ = false;
};

// "Oggetti Trovati: " and the count, as the found counter reads.
QString found_text(int count);
// The item names of a page list, header lines left out.
QStringList item_names(const DialogHarness& harness, const char* list);
// Clicks a button, check box or radio button with the mouse.
void click_button(DialogHarness& harness, const char* name);

// What a modal message box showed; count is the number of boxes that opened.
struct ModalRecord {
    int count = 0;
    QString text;
    QString title;
    Qt::TextFormat format = Qt::AutoText;
    int buttons = 0;
};

// Acts on every modal window (a message box, a file dialog) and every popup (a context menu)
// as it shows, for as long as it lives, through a call posted to the loop the window runs: a posted
// call runs however busy that loop is, where a timer may wait for it to be idle.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget* window)> act);
    ~ModalWatcher() override;
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget* window)> act_;
};

// Runs the action, answering every modal message box it opens with OK.
ModalRecord answer_modals(const std::function<void()>& action);
