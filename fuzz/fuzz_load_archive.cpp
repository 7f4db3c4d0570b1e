// Reads arbitrary bytes as an archive, then sorts, filters and searches the catalogue and
// renders descriptions, as the window would.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "base/text_1252.h"
#include "catalogue/catalogue.h"
#include "catalogue/load_findings.h"
#include "items/description.h"
#include "query/item_view.h"

namespace {

using namespace torvane;

// Seven bounds from the start of the input (missing bytes read as 0).
StatBounds bounds_of(const std::uint8_t* data, std::size_t size) {
    std::int32_t b[7] = {};
    for (std::size_t index = 0; index < 7; ++index) {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t at = index * 4 + i;
            bits = bits << 8 | (at < size ? data[at] : 0U);
        }
        std::memcpy(&b[index], &bits, sizeof bits);
    }
    return {b[0], b[1], b[2], b[3], b[4], b[5], b[6]};
}

// Renders the descriptions of the first records of the view. A record renders from its own
// line alone, which the line target explores record by record; here a few show that the
// catalogue's records render, and the time goes to exploring whole archives.
void describe_some(std::span<const Item* const> view) {
    for (const Item* item : view.first(std::min<std::size_t>(view.size(), 8))) {
        description(*item);
    }
}

// Whether the view is in order: no record sorts before the one in front of it.
void check_sorted(std::span<const Item* const> view, SortMode mode) {
    for (std::size_t i = 1; i < view.size(); ++i) {
        if (sorts_before(*view[i], *view[i - 1], mode)) {
            std::abort();
        }
    }
}

// Findings come in file order, each on a line of the file.
class CheckingSink : public LoadSink {
public:
    explicit CheckingSink(std::size_t lines) : lines_(lines) {}
    void found(const Finding& finding) override {
        if (finding.line == 0 || finding.line < last_ || finding.line > lines_) {
            std::abort();
        }
        last_ = finding.line;
    }

private:
    std::size_t lines_;
    std::size_t last_ = 0;
};

} // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Catalogue catalogue = Catalogue::from_text(text);
    const std::size_t loaded = catalogue.size();
    {
        // Listening to the findings changes nothing in what is loaded.
        CheckingSink sink(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
        if (Catalogue::from_text(text, &sink).size() != loaded) {
            std::abort();
        }
    }
    ItemView whole = listing_order(catalogue);
    for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
        sort(whole, mode, catalogue);
        if (whole.size() != loaded) {
            std::abort();
        }
        check_sorted(whole, mode);
    }
    describe_some(whole);

    const StatBounds bounds = bounds_of(data, size);
    ItemView at_least = filter_min(whole, bounds);
    ItemView at_most = filter_stats(whole, bounds, BoundMode::at_most);
    sort(at_least, sort_by_requirement, catalogue);
    sort(at_most, sort_by_efficacy, catalogue);
    check_sorted(at_least, sort_by_requirement);
    check_sorted(at_most, sort_by_efficacy);

    // A piece of the input, lower-cased as the window does, as the search text.
    const std::size_t piece = size > 30 ? data[28] % 8 : 0;
    const std::string search = to_lower_1252(text.substr(size > 30 ? 29 : 0, piece));
    ItemView found = search_name(whole, search);
    sort(found, sort_by_name, catalogue);
    check_sorted(found, sort_by_name);
    if (found.size() > loaded || at_least.size() > loaded || at_most.size() > loaded) {
        std::abort();
    }
    return 0;
}
