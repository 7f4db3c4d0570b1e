#include "field_doubts.h"

namespace {

// Per thread, so that lines parsed on several threads report to their own listener.
thread_local FieldDoubtListener* current_listener = nullptr;

} // namespace

FieldDoubtScope::FieldDoubtScope(FieldDoubtListener* listener) : outer_(current_listener) {
    current_listener = listener;
}

FieldDoubtScope::~FieldDoubtScope() {
    current_listener = outer_;
}

FieldDoubtListener* field_doubt_listener() {
    return current_listener;
}
