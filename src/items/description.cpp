#include "items/description.h"

#include "record_kinds.h"
#include "templates/template.h"

namespace torvane {

std::string render(const Item& item, std::string_view templ) {
    std::string text = fill_placeholder(templ, "%n", item.name());
    text = fill_placeholder(text, "%t", category_name(item.category));
    text = fill_placeholder(text, "%loc", item.location());
    text = fill_placeholder(text, "%lvl", stat_text(item.level));
    text = fill_placeholder(text, "%for", stat_text(item.strength));
    text = fill_placeholder(text, "%res", stat_text(item.resistance));
    text = fill_placeholder(text, "%agi", stat_text(item.agility));
    text = fill_placeholder(text, "%sag", stat_text(item.wisdom));
    text = fill_placeholder(text, "%int", stat_text(item.intelligence));
    std::visit([&](const auto& fields) { fill_fields(item, fields, text); }, item.fields);
    return text;
}

std::string description(const Item& item) {
    return render(item, rules_of(kind_of(item)).description_template);
}

std::string header_line(int code) {
    return "[Oggetti di tipo " + std::string(category_name(code)) + "]";
}

} // namespace torvane
