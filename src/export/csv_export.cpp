#include "export/csv_export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

#include "base/text_1252.h"
#include "items/category_table.h"
#include "items/description.h"

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

// The columns that show the fields of data lines, in the order of the header row; the location
// comes last of them.
enum class CsvColumn : std::uint8_t {
    level,
    strength,
    resistance,
    agility,
    wisdom,
    intelligence,
    attack,
    bonus,
    min_damage,
    max_damage,
    armour_class,
    mana,
    prerequisite,
    teacher,
    trainer,
    teacher_cost,
    trainer_cost,
    pa_cost,
    coin_cost,
    location,
};

constexpr std::size_t column_count = static_cast<std::size_t>(CsvColumn::location) + 1;

// Some of the columns, a bit each.
class ColumnSet {
public:
    constexpr ColumnSet(std::initializer_list<CsvColumn> columns) {
        for (const CsvColumn column : columns) {
            bits_ |= bit(column);
        }
    }
    constexpr bool has(CsvColumn column) const { return (bits_ & bit(column)) != 0; }

private:
    static constexpr std::uint32_t bit(CsvColumn column) {
        return std::uint32_t{1} << static_cast<unsigned>(column);
    }

    std::uint32_t bits_ = 0;
};

// The columns of a record class: the fields of its data line, as its file reads them. A
// record of the undefined category reads none.
constexpr ColumnSet columns_of(RecordKind kind) {
    using enum CsvColumn;
    switch (kind) {
    case RecordKind::plain:
        return {};
    case RecordKind::weapon:
        return {bonus, strength, intelligence, wisdom, location, min_damage, max_damage};
    case RecordKind::bow:
        return {bonus, strength, agility, intelligence, wisdom, location, min_damage, max_damage};
    case RecordKind::armour:
    case RecordKind::jewel:
        return {bonus,  strength, resistance, agility,     intelligence,
                wisdom, attack,   location,   armour_class};
    case RecordKind::ability:
        return {level,  strength, resistance, agility,      intelligence,
                wisdom, teacher,  trainer,    teacher_cost, trainer_cost};
    case RecordKind::spell:
        return {mana,     level,   intelligence, wisdom,   prerequisite,
                location, teacher, pa_cost,      coin_cost};
    }
    return {};
}

// A value in its cell: a number, or a text of the record's line.
void write_value(const Item& /*item*/, std::int32_t value, Row& row) {
    row.integer(value);
}
void write_value(const Item& /*item*/, float value, Row& row) {
    row.real(value);
}
void write_value(const Item& item, LineText text, Row& row) {
    row.catalogue_text(item.text(text));
}

// A value every record has.
template <auto Member> void write_record_value(const Item& item, Row& row) {
    write_value(item, item.*Member, row);
}

// A value of the group of fields Fields (item.h); an empty cell for a record without that
// group, which no class asks for (see columns_of).
template <typename Fields, auto Member> void write_fields_value(const Item& item, Row& row) {
    if (const auto* const fields = std::get_if<Fields>(&item.fields)) {
        write_value(item, fields->*Member, row);
    } else {
        row.empty();
    }
}

// The bonus and the teacher, each held by either of two groups of fields.
void write_bonus(const Item& item, Row& row) {
    if (std::holds_alternative<DamageFields>(item.fields)) {
        write_fields_value<DamageFields, &DamageFields::bonus>(item, row);
    } else {
        write_fields_value<ProtectionFields, &ProtectionFields::bonus>(item, row);
    }
}
void write_teacher(const Item& item, Row& row) {
    if (std::holds_alternative<TrainingFields>(item.fields)) {
        write_fields_value<TrainingFields, &TrainingFields::teacher>(item, row);
    } else {
        write_fields_value<SpellFields, &SpellFields::teacher>(item, row);
    }
}

struct FieldColumn {
    CsvColumn column;
    std::string_view header;
    void (*write)(const Item& item, Row& row);
};

constexpr std::array<FieldColumn, column_count> field_columns = {{
    {CsvColumn::level, "Livello", write_record_value<&Item::level>},
    {CsvColumn::strength, "Forza", write_record_value<&Item::strength>},
    {CsvColumn::resistance, "Resistenza", write_record_value<&Item::resistance>},
    {CsvColumn::agility, "Agilità", write_record_value<&Item::agility>},
    {CsvColumn::wisdom, "Saggezza", write_record_value<&Item::wisdom>},
    {CsvColumn::intelligence, "Intelligenza", write_record_value<&Item::intelligence>},
    {CsvColumn::attack, "Attacco", write_fields_value<ProtectionFields, &ProtectionFields::attack>},
    {CsvColumn::bonus, "Bonus", write_bonus},
    {CsvColumn::min_damage, "Danno minimo",
     write_fields_value<DamageFields, &DamageFields::min_damage>},
    {CsvColumn::max_damage, "Danno massimo",
     write_fields_value<DamageFields, &DamageFields::max_damage>},
    {CsvColumn::armour_class, "Classe d'armatura",
     write_fields_value<ProtectionFields, &ProtectionFields::armour_class>},
    {CsvColumn::mana, "Mana", write_fields_value<SpellFields, &SpellFields::mana>},
    {CsvColumn::prerequisite, "Prerequisito",
     write_fields_value<SpellFields, &SpellFields::prerequisite>},
    {CsvColumn::teacher, "Insegnante", write_teacher},
    {CsvColumn::trainer, "Addestratore",
     write_fields_value<TrainingFields, &TrainingFields::trainer>},
    {CsvColumn::teacher_cost, "Costo dell'insegnante",
     write_fields_value<TrainingFields, &TrainingFields::teacher_cost>},
    {CsvColumn::trainer_cost, "Costo dell'addestratore",
     write_fields_value<TrainingFields, &TrainingFields::trainer_cost>},
    {CsvColumn::pa_cost, "Costo in PA", write_fields_value<SpellFields, &SpellFields::pa_cost>},
    {CsvColumn::coin_cost, "Costo in monete",
     write_fields_value<SpellFields, &SpellFields::coin_cost>},
    {CsvColumn::location, "Luogo", write_record_value<&Item::location_text>},
}};

// Every column at the place of its code, which the lookup below relies on.
static_assert([] {
    for (std::size_t i = 0; i < field_columns.size(); ++i) {
        if (static_cast<std::size_t>(field_columns[i].column) != i) {
            return false;
        }
    }
    return true;
}());

const FieldColumn& column_of(CsvColumn column) {
    return field_columns[static_cast<std::size_t>(column)];
}

void write_header(std::string& out) {
    Row row(out);
    row.utf8_text("Categoria");
    row.utf8_text("Nome");
    for (const FieldColumn& column : field_columns) {
        if (column.column != CsvColumn::location) {
            row.utf8_text(column.header);
        }
    }
    row.utf8_text("Efficacia");
    row.utf8_text("Requisiti");
    row.utf8_text(column_of(CsvColumn::location).header);
    row.utf8_text("Descrizione");
    row.end();
}

// The column's cell: empty where the record's class has no such field.
void write_field(const Item& item, ColumnSet columns, const FieldColumn& column, Row& row) {
    if (columns.has(column.column)) {
        column.write(item, row);
    } else {
        row.empty();
    }
}

void write_record(const Item& item, std::string& out) {
    const ColumnSet columns = columns_of(kind_of(item));
    Row row(out);
    row.catalogue_text(category_name(item.category));
    row.catalogue_text(item.name());
    for (const FieldColumn& column : field_columns) {
        if (column.column != CsvColumn::location) {
            write_field(item, columns, column, row);
        }
    }
    row.real(efficacy(item));
    row.integer(requirement(item));
    write_field(item, columns, column_of(CsvColumn::location), row);
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
