#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "category_table.h"
#include "data_line.h"
#include "record_text.h"
#include "sort_mode.h"

class RecordArena;

// Category code carried by every record; category_table.h lists the codes.
using ItemCategory = std::int32_t;

// The reference-counted record behind every catalogue entry. One record is shared by the
// catalogue and by every filtered view of it, so it is never copied: holders call
// retain() and release(), and the last release destroys it.
//
// Texts are Windows-1252 bytes. A text the record does not have reads as the empty string,
// and storing the empty string means "none".
//
// A record is either a heap object of its own or, when the loader made it, lives in the
// arena of its load together with its texts (see RecordArena); release() ends either kind.
class Item {
public:
    Item() = default;
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    // What each class of record may answer its own way: its derived values, statistics and
    // texts, how it reads its data line and how it orders.
    virtual float efficacy() const;
    virtual std::int32_t requirement() const;
    virtual ~Item();
    virtual std::string name() const;
    virtual std::int32_t level() const;
    virtual std::int32_t strength() const;
    virtual std::int32_t resistance() const;
    virtual std::int32_t agility() const;
    virtual std::int32_t wisdom() const;
    virtual std::int32_t intelligence() const;
    virtual std::int32_t attack() const;
    virtual std::string location() const;
    virtual std::string description() const;
    virtual std::string render(std::string_view templ) const;
    virtual int parse_line(std::string_view line);
    virtual bool sorts_before(const Item& other) const;

    // The one value besides category and name by which the record orders under mode (0 when
    // the mode orders by name alone), as an unsigned integer in the order sorts_before gives
    // it, for sorting by keys. False when no such value stands for the record's ordering:
    // a class of its own that may order otherwise, or a value that orders with nothing.
    virtual bool order_value(SortMode mode, std::uint32_t& value) const;

    ItemCategory category() const { return category_; }
    void set_category(ItemCategory code) { category_ = code; }

    Item* retain();
    void release();
    std::int32_t ref_count() const { return ref_count_; }

    // Takes the name from a data line: the characters before its first "=" (blanks kept),
    // or the whole line without "=". Returns their number; with 0 the name is unchanged.
    int read_name(std::string_view line);

    // The name without a copy, for sorting and searching.
    std::string_view name_view() const { return name_.view(); }

    // The place of the name among the names of the records ranked together, in byte order,
    // equal names sharing one (see name_ranking.h), and which ranking that was (0 for none).
    // Ranks of one ranking order their names; a new name clears them.
    std::uint32_t name_rank() const { return name_rank_; }
    std::uint32_t name_ranking() const { return name_ranking_; }
    void set_name_rank(std::uint32_t ranking, std::uint32_t rank) const {
        name_ranking_ = ranking;
        name_rank_ = rank;
    }

    // The description held in the cache, rendered on first use. The list models read it
    // on every repaint, so it is handed out by reference.
    const std::string& cached_description() const;

protected:
    // Renders the template through the class's own render() on the first call, then serves
    // the cache; each class's description() passes its own template here.
    std::string describe(std::string_view templ) const;

    // Reads the fields after the "=" into their targets, in order, and returns the
    // result of parse_line: 0 accepted, 1 an empty field, 2 no name.
    int read_fields(std::string_view line, std::span<const FieldTarget> fields);

    // The base ordering: category code, then requirement under the requirement sort,
    // then name.
    bool base_sorts_before(const Item& other) const;

    // The value of the base ordering for order_value: the requirement under the requirement
    // sort, else 0. Each class that orders otherwise hides it with its own.
    bool ordering_value(SortMode mode, std::uint32_t& value) const;

    // Stores a text read from a data line: in the arena while the loader fills it.
    void store_text(RecordText& text, std::string_view value);

    // The values efficacy() and requirement() cache, by the rule of the record's class.
    virtual float compute_efficacy() const;
    virtual std::int64_t compute_requirement() const;

    mutable float efficacy_cache_ = -1.0F;
    mutable std::int32_t requirement_cache_ = -1;
    mutable std::string description_cache_;
    ItemCategory category_ = undefined_category;
    mutable std::uint32_t name_rank_ = 0;
    RecordText name_;
    RecordText location_;
    std::int32_t level_ = 0;
    std::int32_t strength_ = 0;
    std::int32_t resistance_ = 0;
    std::int32_t agility_ = 0;
    std::int32_t wisdom_ = 0;
    std::int32_t intelligence_ = 0;

private:
    friend Item* create_item(int code, RecordArena& arena);

    std::int32_t ref_count_ = 1;
    mutable std::uint32_t name_ranking_ = 0;
    RecordArena* arena_ = nullptr;
};

// A new record of the class for the code, holding one reference that the caller owns.
// Codes outside category_table give a plain Item of the undefined category.
Item* create_item(int code);
// The same, made in the arena, of which it takes a reference.
Item* create_item(int code, RecordArena& arena);

// The order of a 32-bit integer as an unsigned one.
constexpr std::uint32_t int_order_bits(std::int32_t value) {
    return static_cast<std::uint32_t>(value) ^ 0x80000000U;
}

// Display name of a category code; that of the undefined category for any code outside
// category_table.
std::string category_name(int code);

// Clamps a wide sum into the 32-bit range used by every statistic.
std::int32_t saturate_int32(std::int64_t value);

// max(0, value), widened so that sums of several statistics cannot overflow.
inline std::int64_t non_negative(std::int32_t value) {
    return value > 0 ? value : 0;
}
