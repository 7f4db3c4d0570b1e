#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/large_memory.h"
#include "items/item.h"
#include "items/ordering.h"
#include "query/stat_bounds.h"

namespace torvane {

class Catalogue;

// Some records of a catalogue in some order: the whole catalogue in the order of its last
// sort, or the result of a filter or search. The catalogue must outlive its views.
using ItemView = LargeVector<const Item*>;

// Every record of the catalogue as the loader lists them: the last line of the file first.
// A list that was never sorted shows in this order (the program's established order).
ItemView listing_order(const Catalogue& catalogue);

// The items of view that meet every bound above 0: at least the bound, or at most. The bounds
// read level, strength, resistance, agility, wisdom, intelligence and attack. A statistic of
// -1 (not stated) fails every minimum and meets every maximum.
ItemView filter_stats(std::span<const Item* const> view, const StatBounds& bounds, BoundMode mode);
ItemView filter_min(std::span<const Item* const> view, const StatBounds& bounds);

// The items of view whose lower-cased name (Windows-1252) contains text, which must already be
// lower case. The empty text selects every item.
ItemView search_name(std::span<const Item* const> view, std::string_view text);

// Filters and the search give the items in the reverse of the view's order: the program's
// established order, kept although the window sorts every result before showing it.

// Sorts view in place by sorts_before under mode. The records must come from the catalogue,
// whose ranks of the names the sort reads. Records that tie keep their order, but for a view
// in reverse order (a filter's result), which is turned round whole.
void sort(std::span<const Item*> view, SortMode mode, const Catalogue& catalogue);

// Every record of the catalogue sorted under mode, as sort gives listing_order(catalogue).
ItemView sorted_catalogue(const Catalogue& catalogue, SortMode mode);
// The same order as the records' places among catalogue.items(): half the memory.
LargeVector<std::uint32_t> sorted_places(const Catalogue& catalogue, SortMode mode);

} // namespace torvane
