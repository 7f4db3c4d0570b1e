#include "catalogue/name_ranking.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <numeric>
#include <thread>

#include "base/radix_sort.h"
#include "base/side_by_side.h"
#include "items/category_table.h"

namespace torvane {

namespace {

constexpr std::size_t chunk_bytes = 7;

// Seven bytes of a name from depth on, big-endian, and in the lowest byte how many of them
// the name has (seven meaning "seven or more"). Missing bytes read as 0 and the count breaks
// the tie, so a name comes before the longer names it begins, as in byte order.
std::uint64_t chunk_at(std::string_view name, std::size_t depth) {
    const std::size_t left = depth < name.size() ? name.size() - depth : 0;
    if (left > chunk_bytes) {
        // Eight bytes at once; the eighth gives way to the count.
        std::uint64_t word = 0;
        std::memcpy(&word, name.data() + depth, sizeof word);
        return (__builtin_bswap64(word) & ~std::uint64_t{0xFF}) | chunk_bytes;
    }
    std::uint64_t chunk = 0;
    for (std::size_t i = 0; i < chunk_bytes; ++i) {
        const std::uint64_t byte = i < left ? static_cast<unsigned char>(name[depth + i]) : 0U;
        chunk = chunk << 8 | byte;
    }
    return chunk << 8 | std::min(left, chunk_bytes);
}

// The chunk says the name goes on past it.
bool continues(std::uint64_t chunk) {
    return (chunk & 0xFFU) == chunk_bytes;
}

struct Entry {
    std::uint64_t chunk;
    std::uint32_t name;
};

// A range of entries still to order, or, when settled, a run of equal names.
struct Group {
    std::size_t begin;
    std::size_t end;
    std::size_t depth;
    bool settled;
};

// Below this size a group is sorted by comparisons; above, by radix passes.
constexpr std::size_t radix_group = 256;

class NameRanker {
public:
    explicit NameRanker(std::span<const std::string_view> names)
        : names_(names), entries_(names.size()), scratch_(names.size()), ranks_(names.size()),
          order_(names.size()) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            entries_[i] = {chunk_at(names[i], 0), static_cast<std::uint32_t>(i)};
        }
    }

    NameRanking run() {
        // Groups are taken smallest names first, so ranks are given out in order. The stack
        // holds at most one group per entry, however long the names.
        pending_.push_back({0, entries_.size(), 0, false});
        std::size_t ordered = 0;
        while (!pending_.empty()) {
            const Group group = pending_.back();
            pending_.pop_back();
            if (group.settled || group.end - group.begin == 1) {
                // Equal names: the later place first, whatever order the sorting left them in.
                const auto first = order_.begin() + static_cast<std::ptrdiff_t>(ordered);
                for (std::size_t i = group.begin; i < group.end; ++i) {
                    ranks_[entries_[i].name] = next_rank_;
                    order_[ordered++] = entries_[i].name;
                }
                std::sort(first, order_.begin() + static_cast<std::ptrdiff_t>(ordered),
                          std::greater<>());
                ++next_rank_;
            } else {
                split(group);
            }
        }
        return {std::move(ranks_), std::move(order_)};
    }

private:
    // Orders the group by its chunks at its depth, then queues its runs of equal chunks.
    void split(const Group& group) {
        const std::span<Entry> entries(entries_.data() + group.begin, group.end - group.begin);
        if (group.depth > 0) {
            refill(entries, group.depth);
        }
        const std::uint64_t first_chunk = entries.front().chunk;
        // A group of one long shared prefix needs no sorting, only the next seven bytes.
        const bool all_equal = std::all_of(entries.begin(), entries.end(), [&](const Entry& entry) {
            return entry.chunk == first_chunk;
        });
        if (all_equal) {
            pending_.push_back(
                {group.begin, group.end, group.depth + chunk_bytes, !continues(first_chunk)});
            return;
        }
        if (entries.size() < radix_group) {
            std::sort(entries.begin(), entries.end(),
                      [](const Entry& a, const Entry& b) { return a.chunk < b.chunk; });
        } else {
            radix_sort<8>(
                entries, std::span<Entry>(scratch_.data(), entries.size()),
                [](const Entry& entry, std::size_t d) { return (entry.chunk >> (8 * d)) & 0xFFU; });
        }
        // Runs are queued largest chunk first, so that the smallest is taken next.
        std::size_t end = group.end;
        while (end > group.begin) {
            const std::uint64_t chunk = entries_[end - 1].chunk;
            std::size_t begin = end - 1;
            while (begin > group.begin && entries_[begin - 1].chunk == chunk) {
                --begin;
            }
            pending_.push_back({begin, end, group.depth + chunk_bytes, !continues(chunk)});
            end = begin;
        }
    }

    // The chunks of the names at depth. The names, and their places in the table of names, lie
    // anywhere in memory: each entry's place is fetched sixteen entries ahead of its turn,
    // its name eight ahead.
    void refill(std::span<Entry> entries, std::size_t depth) {
        constexpr std::size_t place_ahead = 16;
        constexpr std::size_t name_ahead = 8;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (i + place_ahead < entries.size()) {
                __builtin_prefetch(&names_[entries[i + place_ahead].name]);
            }
            if (i + name_ahead < entries.size()) {
                const std::string_view later = names_[entries[i + name_ahead].name];
                __builtin_prefetch(later.data() + std::min(depth, later.size()));
            }
            entries[i].chunk = chunk_at(names_[entries[i].name], depth);
        }
    }

    std::span<const std::string_view> names_;
    LargeVector<Entry> entries_;
    LargeVector<Entry> scratch_;
    LargeVector<std::uint32_t> ranks_;
    LargeVector<std::uint32_t> order_;
    std::vector<Group> pending_;
    std::uint32_t next_rank_ = 1;
};

} // namespace

NameRanking rank_names(std::span<const std::string_view> names) {
    if (names.size() <= 1) {
        // Parentheses: braces would make a vector of the two values.
        NameRanking ranking{LargeVector<std::uint32_t>(names.size(), 1),
                            LargeVector<std::uint32_t>(names.size(), 0)};
        return ranking;
    }
    return NameRanker(names).run();
}

namespace {

// Below this many records a second thread costs more than it saves.
constexpr std::size_t parallel_records = std::size_t{1} << 16;

// The records' places grouped by category, in file order within each; bounds[c] is where
// category c begins.
struct ByCategory {
    LargeVector<std::uint32_t> places;
    std::array<std::size_t, category_count + 1> bounds{};
};

// From the runs alone: reading each record's category would walk every record twice.
ByCategory group_by_category(std::span<const CategoryRun> runs) {
    ByCategory groups;
    for (const CategoryRun& run : runs) {
        groups.bounds[static_cast<std::size_t>(run.category) + 1] += run.end - run.begin;
    }
    for (std::size_t c = 1; c < groups.bounds.size(); ++c) {
        groups.bounds[c] += groups.bounds[c - 1];
    }
    groups.places.resize(groups.bounds.back());
    std::array<std::size_t, category_count> next{};
    std::copy_n(groups.bounds.begin(), category_count, next.begin());
    for (const CategoryRun& run : runs) {
        std::uint32_t* const to =
            groups.places.data() + next[static_cast<std::size_t>(run.category)];
        std::iota(to, to + (run.end - run.begin), static_cast<std::uint32_t>(run.begin));
        next[static_cast<std::size_t>(run.category)] += run.end - run.begin;
    }
    return groups;
}

// Ranks the names of the categories from first to last (exclusive) into ranking, one rank per
// record, and puts their records in name order at the categories' places of its order.
void rank_categories(std::span<const Item> records, const ByCategory& groups, std::size_t first,
                     std::size_t last, NameRanking& ranking) {
    LargeVector<std::string_view> names;
    for (std::size_t c = first; c < last; ++c) {
        const std::span<const std::uint32_t> places(groups.places.data() + groups.bounds[c],
                                                    groups.bounds[c + 1] - groups.bounds[c]);
        names.clear();
        for (const std::uint32_t place : places) {
            names.push_back(records[place].name());
        }
        const NameRanking of_names = rank_names(names);
        std::uint32_t* const order = ranking.order.data() + groups.bounds[c];
        for (std::size_t i = 0; i < places.size(); ++i) {
            ranking.ranks[places[i]] = of_names.ranks[i];
            order[i] = places[of_names.order[i]];
        }
    }
}

} // namespace

NameRanking rank_names(std::span<const Item> records, std::span<const CategoryRun> runs) {
    const ByCategory groups = group_by_category(runs);
    NameRanking ranking{LargeVector<std::uint32_t>(records.size()),
                        LargeVector<std::uint32_t>(records.size()), groups.bounds};
    // Names meet only names of their own category in a sort, so each category is ranked on
    // its own, and a large catalogue's categories are shared out to two threads.
    std::size_t split = category_count;
    if (records.size() >= parallel_records && std::thread::hardware_concurrency() >= 2) {
        split = 0;
        while (split < category_count && groups.bounds[split + 1] <= records.size() / 2) {
            ++split;
        }
    }
    // Each thread writes the ranks and the order of its own categories' records.
    if (split < category_count) {
        side_by_side([&] { rank_categories(records, groups, 0, split, ranking); },
                     [&] { rank_categories(records, groups, split, category_count, ranking); });
    } else {
        rank_categories(records, groups, 0, category_count, ranking);
    }
    return ranking;
}

} // namespace torvane
