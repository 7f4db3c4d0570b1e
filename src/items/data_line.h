#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "record_text.h"

// The syntax of one data line of the archive: name, "=", comma-separated fields, where a
// comma between double quotes does not separate and a text field's value is what stands
// between its first pair of double quotes.

// Copies the next field of text into field (the empty string for "none") and returns its
// length. The field ends at the first comma outside double quotes, or at the end of text;
// its double quotes are kept.
int next_field(std::string_view text, std::string& field);
// The length of the next field of text, without a copy.
std::size_t next_field_length(std::string_view text);

// Reduces a field to what stands between its first two double quotes (everything after a
// lone double quote; nothing without one) and returns the new length.
int unquote(std::string& text);
// The part of field that unquote keeps, without a copy.
std::string_view unquoted(std::string_view field);

// Integer field: leading blanks, optional sign, digits up to the first other character.
// Anything else reads as 0; values beyond 32 bits saturate. Independent of the C locale.
std::int32_t read_int(std::string_view field);

// Floating-point field: as read_int, with an optional "." fraction and an optional decimal
// exponent. Never reads "nan", "inf" or hexadecimal. Independent of the C locale.
double read_double(std::string_view field);

// Narrows to a 32-bit float; values beyond its range become the largest finite float.
float narrow_to_float(double value);

// What a number field held besides its value: whether its text, blanks aside, was not wholly
// a number of the field's kind, and whether the value had to be clamped into its range.
struct NumberDoubts {
    bool not_a_number = false;
    bool clamped = false;
};

// read_int, telling its doubts.
std::int32_t read_int(std::string_view field, NumberDoubts& doubts);
// A floating-point field narrowed to 32 bits (read_double, then narrow_to_float).
float read_float(std::string_view field);
// read_float, telling its doubts.
float read_float(std::string_view field, NumberDoubts& doubts);

// Where one field of a category's data line goes; the pointer's type gives the field's kind
// (integer, floating-point narrowed to 32 bits, or text).
using FieldTarget = std::variant<std::int32_t*, float*, RecordText*>;
