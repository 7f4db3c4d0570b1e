#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "compare/comparison.h"

namespace torvane {

// The comparison in a few Italian words, UTF-8: "2 nuovi, 1 cambiato, 1 tolto", each count
// that is not 0; "nessuna differenza" when there is none.
std::string comparison_summary(const CatalogueComparison& comparison);

// The comparison for a terminal, UTF-8: under each category's name, a line per item, "+ "
// and the name of an item added, "- " of one removed, "~ " of one changed followed by each
// field that differs with its value before and after ("Forza 10 → 12"); then the summary.
void write_comparison_text(const CatalogueComparison& comparison, std::ostream& out);

// The comparison for spreadsheets, as CSV (see csv_row.h): a header, then a row per item
// added or removed and a row per field of an item changed: category, name, what happened
// ("nuovo", "tolto", "cambiato"), the field and its values before and after. The text goes to
// out in pieces.
void write_comparison_csv(const CatalogueComparison& comparison,
                          const std::function<void(std::string_view piece)>& out);

} // namespace torvane
