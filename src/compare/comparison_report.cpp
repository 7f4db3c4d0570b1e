#include "compare/comparison_report.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "base/text_1252.h"
#include "export/csv_row.h"

namespace torvane {

namespace {

constexpr std::size_t piece_size = std::size_t{64} << 10;

// "1 nuovo", "2 nuovi".
std::string counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

// A value as the program shows it: a number, "?" for one the catalogue does not state, a text
// in double quotes.
std::string shown_value(const FieldValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return *number == -1 ? std::string("?") : std::to_string(*number);
    }
    if (const auto* real = std::get_if<float>(&value)) {
        std::array<char, 32> digits{};
        auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(), *real).ptr;
        return {digits.data(), end};
    }
    if (const auto* text = std::get_if<std::string_view>(&value)) {
        return '"' + utf8_from_1252(*text) + '"';
    }
    return {};
}

const Item& item_of(const ItemDifference& difference) {
    return difference.after != nullptr ? *difference.after : *difference.before;
}

// The fields that differ, in their order.
template <typename Visit> void for_each_field(const FieldSet& fields, Visit visit) {
    for (std::size_t code = 0; code < record_field_count; ++code) {
        if (fields.has(static_cast<RecordField>(code))) {
            visit(static_cast<RecordField>(code));
        }
    }
}

std::string_view change_word(ItemChange change) {
    switch (change) {
    case ItemChange::added:
        return "nuovo";
    case ItemChange::removed:
        return "tolto";
    case ItemChange::changed:
        return "cambiato";
    case ItemChange::same:
        break;
    }
    return {};
}

} // namespace

std::string comparison_summary(const CatalogueComparison& comparison) {
    std::string summary;
    const auto add = [&summary](std::size_t count, std::string_view one, std::string_view many) {
        if (count > 0) {
            summary += (summary.empty() ? "" : ", ") + counted(count, one, many);
        }
    };
    add(comparison.added, "nuovo", "nuovi");
    add(comparison.changed, "cambiato", "cambiati");
    add(comparison.removed, "tolto", "tolti");
    return summary.empty() ? std::string("nessuna differenza") : summary;
}

void write_comparison_text(const CatalogueComparison& comparison, std::ostream& out) {
    int category = -1;
    for (const ItemDifference& difference : comparison.differences) {
        const Item& item = item_of(difference);
        if (item.category != category) {
            category = item.category;
            out << utf8_from_1252(category_name(category)) << ":\n";
        }
        const char mark = difference.change == ItemChange::added     ? '+'
                          : difference.change == ItemChange::removed ? '-'
                                                                     : '~';
        out << "  " << mark << ' ' << utf8_from_1252(item.name());
        const char* separator = ": ";
        for_each_field(difference.fields, [&](RecordField field) {
            out << separator << field_title(field) << ' '
                << shown_value(field_value(*difference.before, field)) << " \u2192 "
                << shown_value(field_value(*difference.after, field));
            separator = ", ";
        });
        out << '\n';
    }
    out << comparison_summary(comparison) << '\n';
}

void write_comparison_csv(const CatalogueComparison& comparison,
                          const std::function<void(std::string_view piece)>& out) {
    std::string text;
    CsvRow header(text);
    for (const char* title : {"Categoria", "Nome", "Cambiamento", "Campo", "Prima", "Dopo"}) {
        header.utf8_text(title);
    }
    header.end();
    for (const ItemDifference& difference : comparison.differences) {
        const Item& item = item_of(difference);
        const auto start_row = [&](CsvRow& row) {
            row.catalogue_text(category_name(item.category));
            row.catalogue_text(item.name());
            row.utf8_text(change_word(difference.change));
        };
        if (difference.change != ItemChange::changed) {
            CsvRow row(text);
            start_row(row);
            row.empty();
            row.empty();
            row.empty();
            row.end();
        }
        for_each_field(difference.fields, [&](RecordField field) {
            CsvRow row(text);
            start_row(row);
            row.utf8_text(field_title(field));
            row.field(field_value(*difference.before, field));
            row.field(field_value(*difference.after, field));
            row.end();
        });
        if (text.size() >= piece_size) {
            out(text);
            text.clear();
        }
    }
    out(text);
}

} // namespace torvane
