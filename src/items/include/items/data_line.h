#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "items/field_notes.h"
#include "items/item.h"

namespace torvane {

// The syntax of one data line of the archive: name, "=", comma-separated fields, where a
// comma between double quotes does not separate and a text field's value is what stands
// between its first pair of double quotes.

// The length of the name of a data line: the characters before its first "=", blanks kept,
// or the whole line when it has none.
std::size_t read_name(std::string_view line);

// The length of the next field of text: up to the first comma outside double quotes, or the
// end of text. The double quotes belong to the field.
std::size_t next_field_length(std::string_view text);

// What stands between the first two double quotes of a field (everything after a lone double
// quote; nothing without one).
std::string_view unquoted(std::string_view field);

// A floating-point field as read: its value, and whether its text was not wholly a number of
// its kind or said more than the value can hold. Integer fields are read by
// read_leading_integer (integer_text.h).
template <typename Number> struct NumberField {
    Number value{};
    bool not_a_number = false;
    bool clamped = false;
};

// Floating-point field: as an integer field, with an optional "." fraction and an optional
// decimal exponent, narrowed to 32 bits; values beyond the float range become the largest
// finite float. Never reads "nan", "inf" or hexadecimal. Independent of the C locale.
NumberField<float> read_float(std::string_view field);

// Reads the fields after the "=" of a data line one by one, in the order its category lists
// them, into the record.
class FieldReader {
public:
    // line: the whole data line; fields_from: where its fields begin (after the "="). Notes,
    // when given, hear of every doubtful field.
    FieldReader(std::string_view line, std::size_t fields_from, FieldNotes* notes);

    void integer(std::int32_t& target);
    void real(float& target);
    // A text field keeps what stands between its double quotes; without any, the target keeps
    // what it had.
    void text(LineText& target);

    // Whether some field was empty: the line is then rejected.
    bool failed() const { return failed_; }

private:
    // A field of the line as next() finds it: its text, empty when the field is empty, and
    // whether it repeats the last one present rather than standing where a field was expected.
    struct Field {
        std::string_view text;
        bool repeated;
    };

    Field next();
    void doubt(FieldDoubt doubt) const;

    std::string_view line_;
    std::string_view rest_;
    // Where the fields end in rest_, as far as any category reads.
    std::array<std::uint32_t, 17> ends_{};
    std::size_t field_count_ = 0;
    // The field the next read takes; it stays once the line ended or a field was empty.
    std::size_t at_ = 0;
    bool stuck_ = false;
    // The place of the field being read in the category's line, for the notes.
    std::size_t field_ = 0;
    bool failed_ = false;
    FieldNotes* notes_;
};

} // namespace torvane
