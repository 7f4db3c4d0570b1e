// Reads arbitrary bytes as a data line of the category its first byte picks (the codes 0 to 20
// and one on either side, which read as the undefined category), then asks the record for
// everything derived from it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "items/category_table.h"
#include "items/description.h"
#include "items/ordering.h"
#include "items/parse_line.h"

namespace {

using namespace torvane;

// Every text of the record lies inside its line.
void check_inside(const Item& item, LineText piece, std::string_view line) {
    if (item.text(piece).data() < line.data() ||
        std::size_t{piece.offset} + piece.size > line.size()) {
        std::abort();
    }
}

} // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int code = data[0] % (category_count + 2) - 1;
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
    FieldNotes notes;
    Item item;
    const ParseResult result = parse_line(item, code, line, &notes);
    if (item.category != category_info(code).code || item.name().size() > line.size()) {
        std::abort();
    }
    check_inside(item, item.location_text, line);
    std::visit(
        [&](const auto& fields) {
            using Fields = std::decay_t<decltype(fields)>;
            if constexpr (std::is_same_v<Fields, DamageFields> ||
                          std::is_same_v<Fields, ProtectionFields>) {
                check_inside(item, fields.bonus, line);
            } else if constexpr (std::is_same_v<Fields, TrainingFields>) {
                check_inside(item, fields.teacher, line);
                check_inside(item, fields.trainer, line);
            } else if constexpr (std::is_same_v<Fields, SpellFields>) {
                check_inside(item, fields.prerequisite, line);
                check_inside(item, fields.teacher, line);
            }
        },
        item.fields);
    // Taking notes changes nothing in what is read.
    Item unheard;
    const std::string text = description(item);
    if (parse_line(unheard, code, line) != result || description(unheard) != text) {
        std::abort();
    }
    if (requirement(item) < 0 || !(efficacy(item) >= 0.0F)) {
        std::abort();
    }
    // Every ordering is irreflexive, whatever the fields hold.
    for (const SortMode mode : {sort_by_name, sort_by_efficacy, sort_by_requirement}) {
        if (sorts_before(item, item, mode)) {
            std::abort();
        }
    }
    return 0;
}
