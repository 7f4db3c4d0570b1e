#pragma once

// A number field is always read, whatever it holds: a text that is not wholly a number reads
// as its leading number or 0, and a number beyond its range is clamped. An archive checker
// wants to hear of both, so the field reader tells a listener, when one is installed on the
// reading thread. Without one, reading costs nothing more.

enum class FieldDoubt {
    not_a_number,   // the text, blanks aside, is not wholly a number of the field's kind
    number_clamped, // an integer beyond 32 bits, or a decimal beyond the float range
};

class FieldDoubtListener {
public:
    // Called once per doubt of a field, fields in their order.
    virtual void doubt(FieldDoubt doubt) = 0;

protected:
    FieldDoubtListener() = default;
    FieldDoubtListener(const FieldDoubtListener&) = default;
    FieldDoubtListener& operator=(const FieldDoubtListener&) = default;
    ~FieldDoubtListener() = default;
};

// Installs a listener for the fields read on this thread while the scope lives; the one it
// replaced comes back afterwards.
class FieldDoubtScope {
public:
    explicit FieldDoubtScope(FieldDoubtListener* listener);
    ~FieldDoubtScope();
    FieldDoubtScope(const FieldDoubtScope&) = delete;
    FieldDoubtScope& operator=(const FieldDoubtScope&) = delete;

private:
    FieldDoubtListener* outer_;
};

// The listener of this thread, or nullptr.
FieldDoubtListener* field_doubt_listener();
