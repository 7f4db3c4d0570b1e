#include "export/csv_export.h"

#include <cstdint>
#include <string>

#include "export/csv_row.h"
#include "items/description.h"
#include "items/record_fields.h"

namespace torvane {

namespace {

constexpr std::size_t piece_size = std::size_t{64} << 10;

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
        row.field(field_value(item, static_cast<RecordField>(code)));
    }
    row.real(efficacy(item));
    row.integer(requirement(item));
    row.field(field_value(item, RecordField::location));
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
