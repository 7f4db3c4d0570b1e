#include "export/csv_export.h"

#include <cstdint>
#include <string>
#include <variant>

#include "export/csv_row.h"
#include "items/description.h"
#include "items/record_fields.h"

namespace torvane {

namespace {

constexpr std::size_t piece_size = std::size_t{64} << 10;

// A field's cell: empty where the record's class has no such field.
void write_field(const Item& item, RecordField field, CsvRow& row) {
    const FieldValue value = field_value(item, field);
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        row.integer(*number);
    } else if (const auto* real = std::get_if<float>(&value)) {
        row.real(*real);
    } else if (const auto* text = std::get_if<std::string_view>(&value)) {
        row.catalogue_text(*text);
    } else {
        row.empty();
    }
}

// The fields' columns stand in the order of their codes; the location comes after the
// efficacy and the requirement.
constexpr auto location_code = static_cast<std::size_t>(RecordField::location);

void write_header(std::string& out) {
    CsvRow row(out);
    row.utf8_text("Categoria");
    row.utf8_text("Nome");
    for (std::size_t code = 0; code < location_code; ++code) {
        row.utf8_text(field_title(static_cast<RecordField>(code)));
    }
    row.utf8_text("Efficacia");
    row.utf8_text("Requisiti");
    row.utf8_text(field_title(RecordField::location));
    row.utf8_text("Descrizione");
    row.end();
}

void write_record(const Item& item, std::string& out) {
    CsvRow row(out);
    row.catalogue_text(category_name(item.category));
    row.catalogue_text(item.name());
    for (std::size_t code = 0; code < location_code; ++code) {
        write_field(item, static_cast<RecordField>(code), row);
    }
    row.real(efficacy(item));
    row.integer(requirement(item));
    write_field(item, RecordField::location, row);
    row.catalogue_text(description(item));
    row.end();
}

} // namespace

void write_csv(std::span<const Item* const> items,
               const std::function<void(std::string_view piece)>& out) {
    std::string text;
    text.reserve(piece_size + 4096);
    write_header(text);
    for (const Item* item : items) {
        write_record(*item, text);
        if (text.size() >= piece_size) {
            out(text);
            text.clear();
        }
    }
    out(text);
}

} // namespace torvane
