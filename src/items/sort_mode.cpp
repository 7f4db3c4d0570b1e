#include "sort_mode.h"

namespace {

SortMode current_mode = sort_by_name;

} // namespace

SortMode current_sort_mode() {
    return current_mode;
}

void set_current_sort_mode(SortMode mode) {
    current_mode = mode;
}
