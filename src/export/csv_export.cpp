#include "export/csv_export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "base/text_1252.h"
#include "items/description.h"
#include "items/parse_line.h"

namespace torvane {

namespace {

constexpr std::size_t piece_size = std::size_t{64} << 10;

// A cell: empty, a number, or text of the catalogue (Windows-1252) or of the program (UTF-8).
class Row {
public:
    explicit Row(std::string& out) : out_(out) {}

    void empty() { separate(); }
    void integer(std::int32_t value) {
        separate();
        // -1 is what the catalogue does not state: no number to count with.
        if (value != -1) {
            out_ += std::to_string(value);
        }
    }
    void real(float value) {
        separate();
        std::array<char, 32> digits{};
        auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
        out_.append(digits.data(), end);
    }
    void catalogue_text(std::string_view text) { utf8_text(utf8_from_1252(text)); }
    void utf8_text(std::string_view text) {
        separate();
        // A NUL byte is no character a spreadsheet reads.
        std::string cell(text);
        std::replace(cell.begin(), cell.end(), '\0', '?');
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            out_ += cell;
            return;
        }
        out_ += '"';
        for (const char c : cell) {
            out_ += c;
            if (c == '"') {
                out_ += '"';
            }
        }
        out_ += '"';
    }
    void end() { out_ += "\r\n"; }

private:
    void separate() {
        if (!first_) {
            out_ += ',';
        }
        first_ = false;
    }

    std::string& out_;
    bool first_ = true;
};

// A column that shows a field of the data line: the field's name (as field_names gives it),
// and its value in a record that has the field.
struct FieldColumn {
    std::string_view header;
    std::string_view field;
    void (*write)(const Item& item, Row& row);
};

template <typename Fields> const Fields& fields_of(const Item& item) {
    return std::get<Fields>(item.fields);
}

// A record's bonus, whichever of the two groups of fields holds it.
std::string_view bonus_of(const Item& item) {
    if (const auto* damage = std::get_if<DamageFields>(&item.fields)) {
        return item.text(damage->bonus);
    }
    if (const auto* protection = std::get_if<ProtectionFields>(&item.fields)) {
        return item.text(protection->bonus);
    }
    return {};
}

std::string_view teacher_of(const Item& item) {
    if (const auto* training = std::get_if<TrainingFields>(&item.fields)) {
        return item.text(training->teacher);
    }
    if (const auto* spell = std::get_if<SpellFields>(&item.fields)) {
        return item.text(spell->teacher);
    }
    return {};
}

const std::array<FieldColumn, 20> field_columns = {{
    {"Livello", "livello", [](const Item& i, Row& r) { r.integer(i.level); }},
    {"Forza", "forza", [](const Item& i, Row& r) { r.integer(i.strength); }},
    {"Resistenza", "resistenza", [](const Item& i, Row& r) { r.integer(i.resistance); }},
    {"Agilità", "agilità", [](const Item& i, Row& r) { r.integer(i.agility); }},
    {"Saggezza", "saggezza", [](const Item& i, Row& r) { r.integer(i.wisdom); }},
    {"Intelligenza", "intelligenza", [](const Item& i, Row& r) { r.integer(i.intelligence); }},
    {"Attacco", "attacco", [](const Item& i, Row& r) { r.integer(attack(i)); }},
    {"Bonus", "bonus", [](const Item& i, Row& r) { r.catalogue_text(bonus_of(i)); }},
    {"Danno minimo", "danno minimo",
     [](const Item& i, Row& r) { r.integer(fields_of<DamageFields>(i).min_damage); }},
    {"Danno massimo", "danno massimo",
     [](const Item& i, Row& r) { r.integer(fields_of<DamageFields>(i).max_damage); }},
    {"Classe d'armatura", "classe d'armatura",
     [](const Item& i, Row& r) { r.real(fields_of<ProtectionFields>(i).armour_class); }},
    {"Mana", "mana", [](const Item& i, Row& r) { r.integer(fields_of<SpellFields>(i).mana); }},
    {"Prerequisito", "prerequisito",
     [](const Item& i, Row& r) {
         r.catalogue_text(i.text(fields_of<SpellFields>(i).prerequisite));
     }},
    {"Insegnante", "insegnante", [](const Item& i, Row& r) { r.catalogue_text(teacher_of(i)); }},
    {"Addestratore", "addestratore",
     [](const Item& i, Row& r) { r.catalogue_text(i.text(fields_of<TrainingFields>(i).trainer)); }},
    {"Costo dell'insegnante", "costo dell'insegnante",
     [](const Item& i, Row& r) { r.integer(fields_of<TrainingFields>(i).teacher_cost); }},
    {"Costo dell'addestratore", "costo dell'addestratore",
     [](const Item& i, Row& r) { r.integer(fields_of<TrainingFields>(i).trainer_cost); }},
    {"Costo in PA", "costo in PA",
     [](const Item& i, Row& r) { r.integer(fields_of<SpellFields>(i).pa_cost); }},
    {"Costo in monete", "costo in monete",
     [](const Item& i, Row& r) { r.integer(fields_of<SpellFields>(i).coin_cost); }},
    {"Luogo", "luogo", [](const Item& i, Row& r) { r.catalogue_text(i.location()); }},
}};

// The columns that follow the fields; the location comes last of the fields' columns.
constexpr std::size_t location_column = field_columns.size() - 1;

void write_header(std::string& out) {
    Row row(out);
    row.utf8_text("Categoria");
    row.utf8_text("Nome");
    for (std::size_t c = 0; c < location_column; ++c) {
        row.utf8_text(field_columns[c].header);
    }
    row.utf8_text("Efficacia");
    row.utf8_text("Requisiti");
    row.utf8_text(field_columns[location_column].header);
    row.utf8_text("Descrizione");
    row.end();
}

void write_field(const Item& item, const FieldColumn& column, Row& row) {
    const std::span<const std::string_view> fields = field_names(item.category);
    if (std::find(fields.begin(), fields.end(), column.field) == fields.end()) {
        row.empty();
    } else {
        column.write(item, row);
    }
}

void write_record(const Item& item, std::string& out) {
    Row row(out);
    row.catalogue_text(category_name(item.category));
    row.catalogue_text(item.name());
    for (std::size_t c = 0; c < location_column; ++c) {
        write_field(item, field_columns[c], row);
    }
    row.real(efficacy(item));
    row.integer(requirement(item));
    write_field(item, field_columns[location_column], row);
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
