#include "busy_indicator.h"

#include <utility>

namespace {

BusyCallback& busy_callback() {
    static BusyCallback callback;
    return callback;
}

} // namespace

void set_busy_callback(BusyCallback callback) {
    busy_callback() = std::move(callback);
}

BusyScope::BusyScope() {
    if (busy_callback()) {
        busy_callback()(true);
        announced_ = true;
    }
}

BusyScope::~BusyScope() {
    if (announced_ && busy_callback()) {
        busy_callback()(false);
    }
}
