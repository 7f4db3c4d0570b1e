// Abilities: all six statistics, a teacher and a trainer, each with a cost. They have no
// location and order as plain records do.
#include "record_kinds.h"
#include "templates/template.h"

namespace torvane {

namespace {

constexpr std::string_view fields[] = {"livello",
                                       "forza",
                                       "resistenza",
                                       "agilità",
                                       "intelligenza",
                                       "saggezza",
                                       "insegnante",
                                       "addestratore",
                                       "costo dell'insegnante",
                                       "costo dell'addestratore"};

void read_fields(FieldReader& reader, Item& item) {
    TrainingFields training;
    reader.integer(item.level);
    reader.integer(item.strength);
    reader.integer(item.resistance);
    reader.integer(item.agility);
    reader.integer(item.intelligence);
    reader.integer(item.wisdom);
    reader.text(training.teacher);
    reader.text(training.trainer);
    reader.integer(training.teacher_cost);
    reader.integer(training.trainer_cost);
    item.fields = training;
}

} // namespace

// Wisdom counts in the requirement but has no place here; "Costo: " and the "/" always show.
constinit const RecordRules ability_rules = {
    read_fields,
    "%n - {Liv. %lvl, }{For %for, }{Res %res, }{Agi %agi, }{Int %int, }"
    "{Insegnante: %ins, }{Addestratore %add, }Costo: {Ins. %gpi}/{Add. %gpa}",
    fields};

std::int64_t requirement_sum(const Item& item, const TrainingFields& fields) {
    // Training costs ten times what teaching does.
    return base_requirement(item) + non_negative(fields.teacher_cost) +
           10 * non_negative(fields.trainer_cost);
}

float efficacy_of(const Item& item, const TrainingFields& /*fields*/) {
    return static_cast<float>(non_negative(item.level));
}

void fill_fields(const Item& item, const TrainingFields& fields, std::string& text) {
    text = fill_placeholder(text, "%gpa", stat_text(fields.trainer_cost));
    text = fill_placeholder(text, "%gpi", stat_text(fields.teacher_cost));
    text = fill_placeholder(text, "%ins", item.text(fields.teacher));
    text = fill_placeholder(text, "%add", item.text(fields.trainer));
}

} // namespace torvane
