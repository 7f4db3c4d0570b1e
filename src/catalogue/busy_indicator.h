#pragma once

#include <functional>

// Long catalogue operations announce themselves so that a window can show its wait
// cursor; the core itself knows nothing of windows. With no callback nothing happens.
using BusyCallback = std::function<void(bool busy)>;

void set_busy_callback(BusyCallback callback);

// Announces busy for its lifetime. Only a scope that announced the start announces the
// end, so a callback installed meanwhile is never told of an end without a start.
class BusyScope {
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool announced_ = false;
};
