#include "item.h"

#include <limits>
#include <typeinfo>

#include "field_doubts.h"
#include "record_arena.h"
#include "sort_mode.h"
#include "template.h"

namespace {

constexpr std::string_view base_template =
    "%n (%t){ - Livello %lvl}{, For %for}{, Res %res}{, Agi %agi}{, Sag %sag}{, Int %int}"
    "{ - %loc}";

void tell_doubts(FieldDoubtListener& listener, const NumberDoubts& doubts) {
    if (doubts.not_a_number) {
        listener.doubt(FieldDoubt::not_a_number);
    }
    if (doubts.clamped) {
        listener.doubt(FieldDoubt::number_clamped);
    }
}

// The fields after the "=" into their targets, in order; false when one was empty. The
// doubts of the number fields go to the listener when Tell is set, and cost nothing
// otherwise.
template <bool Tell>
bool read_field_values(std::string_view rest, std::span<const FieldTarget> fields,
                       FieldDoubtListener* listener, RecordArena* arena) {
    std::size_t cursor = 0;
    std::size_t consumed = 0;
    bool failed = false;
    for (const FieldTarget& target : fields) {
        const std::size_t k = next_field_length(rest.substr(cursor));
        const std::string_view field = rest.substr(cursor, k);
        if (k == 0) {
            failed = true;
            continue;
        }
        NumberDoubts doubts;
        if (const auto* const integer = std::get_if<std::int32_t*>(&target)) {
            if constexpr (Tell) {
                **integer = read_int(field, doubts);
            } else {
                **integer = read_int(field);
            }
        } else if (const auto* const real = std::get_if<float*>(&target)) {
            if constexpr (Tell) {
                **real = read_float(field, doubts);
            } else {
                **real = read_float(field);
            }
        } else if (const std::string_view text = unquoted(field); !text.empty()) {
            std::get<RecordText*>(target)->assign(text, arena);
        }
        if constexpr (Tell) {
            tell_doubts(*listener, doubts);
        }
        consumed += k + 1;
        // A missing trailing field reads the last one present again.
        if (consumed < rest.size()) {
            cursor += k + 1;
        }
    }
    return !failed;
}

} // namespace

std::int32_t saturate_int32(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

float Item::efficacy() const {
    // "Not >= 0" also catches a cache that is not a number.
    if (!(efficacy_cache_ >= 0.0F)) {
        efficacy_cache_ = compute_efficacy();
    }
    return efficacy_cache_;
}

std::int32_t Item::requirement() const {
    if (requirement_cache_ < 0) {
        requirement_cache_ = saturate_int32(compute_requirement());
    }
    return requirement_cache_;
}

Item::~Item() = default;

std::string Item::name() const {
    return std::string(name_.view());
}
std::int32_t Item::level() const {
    return level_;
}
std::int32_t Item::strength() const {
    return strength_;
}
std::int32_t Item::resistance() const {
    return resistance_;
}
std::int32_t Item::agility() const {
    return agility_;
}
std::int32_t Item::wisdom() const {
    return wisdom_;
}
std::int32_t Item::intelligence() const {
    return intelligence_;
}
std::int32_t Item::attack() const {
    return 0;
}
std::string Item::location() const {
    return std::string(location_.view());
}

std::string Item::description() const {
    return describe(base_template);
}

std::string Item::render(std::string_view templ) const {
    std::string w = fill_placeholder(templ, "%n", name_.view());
    w = fill_placeholder(w, "%t", category_name(category_));
    w = fill_placeholder(w, "%loc", location_.view());
    w = fill_placeholder(w, "%lvl", stat_text(level_));
    w = fill_placeholder(w, "%for", stat_text(strength_));
    w = fill_placeholder(w, "%res", stat_text(resistance_));
    w = fill_placeholder(w, "%agi", stat_text(agility_));
    w = fill_placeholder(w, "%sag", stat_text(wisdom_));
    w = fill_placeholder(w, "%int", stat_text(intelligence_));
    return w;
}

int Item::parse_line(std::string_view line) {
    read_name(line);
    return 0;
}

bool Item::sorts_before(const Item& other) const {
    return base_sorts_before(other);
}

Item* Item::retain() {
    ++ref_count_;
    return this;
}

void Item::release() {
    if (--ref_count_ > 0) {
        return;
    }
    if (arena_ == nullptr) {
        delete this;
        return;
    }
    // The arena holds the record's memory: end the record, then let go of the arena, which
    // frees the memory once no record of it is left.
    RecordArena* const arena = arena_;
    this->~Item();
    arena->release();
}

int Item::read_name(std::string_view line) {
    const std::size_t n = std::min(line.find('='), line.size());
    if (n > 0) {
        store_text(name_, line.substr(0, n));
        set_name_rank(0, 0);
    }
    return static_cast<int>(std::min<std::size_t>(n, std::numeric_limits<int>::max()));
}

void Item::store_text(RecordText& text, std::string_view value) {
    text.assign(value, arena_ != nullptr && arena_->open() ? arena_ : nullptr);
}

const std::string& Item::cached_description() const {
    if (description_cache_.empty()) {
        description();
    }
    return description_cache_;
}

std::string Item::describe(std::string_view templ) const {
    if (description_cache_.empty()) {
        description_cache_ = render(templ);
    }
    return description_cache_;
}

int Item::read_fields(std::string_view line, std::span<const FieldTarget> fields) {
    const int name_length = read_name(line);
    if (name_length <= 0) {
        return 2;
    }
    // The "=" stands right after the name (read_name's count stops short of it only for a
    // name beyond the int range).
    const std::size_t equals = line.find('=', static_cast<std::size_t>(name_length));
    const std::string_view rest =
        equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
    FieldDoubtListener* const listener = field_doubt_listener();
    RecordArena* const arena = arena_ != nullptr && arena_->open() ? arena_ : nullptr;
    const bool read = listener != nullptr ? read_field_values<true>(rest, fields, listener, arena)
                                          : read_field_values<false>(rest, fields, nullptr, arena);
    return read ? 0 : 1;
}

bool Item::order_value(SortMode mode, std::uint32_t& value) const {
    // Only for a plain record: a further class could order otherwise.
    return typeid(*this) == typeid(Item) && ordering_value(mode, value);
}

bool Item::ordering_value(SortMode mode, std::uint32_t& value) const {
    value = mode == sort_by_requirement ? int_order_bits(requirement()) : 0;
    return true;
}

bool Item::base_sorts_before(const Item& other) const {
    if (category_ != other.category_) {
        return category_ < other.category_;
    }
    if (current_sort_mode() == sort_by_requirement) {
        const std::int32_t mine = requirement();
        const std::int32_t theirs = other.requirement();
        if (mine != theirs) {
            return mine < theirs;
        }
    }
    return name_.view() < other.name_.view();
}

float Item::compute_efficacy() const {
    return 0.0F;
}

std::int64_t Item::compute_requirement() const {
    return non_negative(level_) + non_negative(strength_) + non_negative(resistance_) +
           non_negative(agility_) + non_negative(wisdom_) + non_negative(intelligence_);
}
