#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

#include "action_log.h"
#include "hang_watchdog.h"
#include "modal_answerer.h"
#include "monkey_random.h"
#include "random_archive.h"
#include "session_files.h"

class DatabaseApp;
class MainDialog;
class WindowInvariants;

struct MonkeySettings {
    std::uint64_t seed = 1;
    // How long to run; a run of a given number of actions (a replay) ignores it.
    double seconds = 60;
    std::size_t actions = 0;
    // The source tree, for the fuzz corpus and the sample catalogue.
    QString source_dir;
};

// Runs the real window session after session, each on a random archive, as the program runs
// it, and plays random user actions into it, checking the window's invariants after each.
// The same seed and action count give the same run.
class Monkey : public QObject {
public:
    Monkey(DatabaseApp& app, const MonkeySettings& settings);
    ~Monkey() override;
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Plays until the time or the actions run out, or an invariant breaks; the exit status.
    int run();
    const ActionLog& log() const { return log_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the next session's archive.dat, or removes it for a session without one.
    bool write_archive();
    void begin_session();
    // No button waits for its click, no box is open, and the window and the focus are back:
    // the user may act.
    bool window_ready() const;
    void schedule_step();
    void step();
    bool out_of_actions() const;
    void fail(const std::string& reason);

    DatabaseApp& app_;
    MonkeySettings settings_;
    MonkeyRandom random_;
    RandomArchive archives_;
    QTemporaryDir directory_;
    SessionFiles files_;
    ActionLog log_;
    HangWatchdog watchdog_;
    ModalAnswerer answerer_;
    QPointer<MainDialog> dialog_;
    std::unique_ptr<WindowInvariants> invariants_;
    std::chrono::steady_clock::time_point start_;
    int sessions_ = 0;
    int session_actions_left_ = 0;
    bool waiting_for_activation_ = false;
    bool failed_ = false;
};
