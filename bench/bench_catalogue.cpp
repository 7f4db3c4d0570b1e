#include <benchmark/benchmark.h>

#include <map>

#include "archive_generator.h"
#include "catalogue/catalogue.h"
#include "query/item_view.h"

namespace {

using namespace torvane;

constexpr std::uint32_t seed = 20261207;

// One catalogue per size, shared by the benchmarks.
const Catalogue& catalogue_of(std::size_t items) {
    static std::map<std::size_t, Catalogue> catalogues;
    auto [entry, made] = catalogues.try_emplace(items);
    if (made) {
        entry->second = load_generated({.items = items, .seed = seed});
    }
    return entry->second;
}

// The whole catalogue as the window keeps it: sorted by name.
const ItemView& by_name(std::size_t items) {
    static std::map<std::size_t, ItemView> views;
    auto [entry, made] = views.try_emplace(items);
    if (made) {
        entry->second = listing_order(catalogue_of(items));
        sort(entry->second, sort_by_name, catalogue_of(items));
    }
    return entry->second;
}

void set_counters(benchmark::State& state, std::size_t items) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(items));
}

// Loads the archive file, as the window does once; the catalogue goes untimed.
void BM_Load(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const GeneratedArchive archive({.items = items, .seed = seed});
    const std::string path = archive.path().string();
    bool whole = true;
    for (auto _ : state) {
        LoadResult loaded = Catalogue::load(path);
        state.PauseTiming();
        whole = whole && loaded.catalogue.size() == items;
        loaded = {};
        state.ResumeTiming();
    }
    if (!whole) {
        state.SkipWithError("the generated archive did not load whole");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(archive.bytes()));
    set_counters(state, items);
}

// Sorts the catalogue in the loader's order: the catalogue as the window first sorts it.
void BM_SortFromLoadOrder(benchmark::State& state) {
    const auto mode = static_cast<SortMode>(state.range(0));
    const auto items = static_cast<std::size_t>(state.range(1));
    const Catalogue& catalogue = catalogue_of(items);
    const ItemView listed = listing_order(catalogue);
    ItemView view;
    for (auto _ : state) {
        state.PauseTiming();
        view = listed;
        state.ResumeTiming();
        sort(view, mode, catalogue);
    }
    set_counters(state, items);
}

// The whole catalogue in an order, as the window makes it the first time it shows that order.
void BM_SortedCatalogue(benchmark::State& state) {
    const auto mode = static_cast<SortMode>(state.range(0));
    const auto items = static_cast<std::size_t>(state.range(1));
    const Catalogue& catalogue = catalogue_of(items);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sorted_catalogue(catalogue, mode).data());
    }
    set_counters(state, items);
}

// Sorts a view that is already in order: every later sort of the kept catalogue.
void BM_SortFromSortedOrder(benchmark::State& state) {
    const auto mode = static_cast<SortMode>(state.range(0));
    const auto items = static_cast<std::size_t>(state.range(1));
    const Catalogue& catalogue = catalogue_of(items);
    ItemView view = listing_order(catalogue);
    sort(view, mode, catalogue);
    for (auto _ : state) {
        sort(view, mode, catalogue);
    }
    set_counters(state, items);
}

// Sorts a filter result of a sorted catalogue, which comes out in reverse order.
void BM_SortFromReverseOrder(benchmark::State& state) {
    const auto mode = static_cast<SortMode>(state.range(0));
    const auto items = static_cast<std::size_t>(state.range(1));
    const Catalogue& catalogue = catalogue_of(items);
    ItemView sorted = listing_order(catalogue);
    sort(sorted, mode, catalogue);
    ItemView view;
    for (auto _ : state) {
        state.PauseTiming();
        view = filter_min(sorted, {});
        state.ResumeTiming();
        sort(view, mode, catalogue);
    }
    set_counters(state, items);
}

void BM_FilterMin(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemView& whole = by_name(items);
    for (auto _ : state) {
        benchmark::DoNotOptimize(filter_min(whole, {10, 0, 0, 0, 20, 0, 0}).size());
    }
    set_counters(state, items);
}

void BM_FilterStats(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemView& whole = by_name(items);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            filter_stats(whole, {40, 50, 50, 50, 50, 50, 30}, BoundMode::at_most).size());
    }
    set_counters(state, items);
}

void BM_SearchName(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemView& whole = by_name(items);
    for (auto _ : state) {
        benchmark::DoNotOptimize(search_name(whole, "spada").size());
    }
    set_counters(state, items);
}

void BM_SearchNameRare(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemView& whole = by_name(items);
    for (auto _ : state) {
        benchmark::DoNotOptimize(search_name(whole, "citt\xE0 alta 7").size());
    }
    set_counters(state, items);
}

void sizes(benchmark::internal::Benchmark* bench) {
    for (const std::int64_t items : {1000, 10000, 100000, 1000000}) {
        bench->Arg(items);
    }
    bench->Unit(benchmark::kMillisecond);
}

void modes_and_sizes(benchmark::internal::Benchmark* bench) {
    for (const std::int64_t mode : {0, 1, 2}) {
        for (const std::int64_t items : {1000, 10000, 100000, 1000000}) {
            bench->Args({mode, items});
        }
    }
    bench->ArgNames({"mode", "items"})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_Load)->Apply(sizes);
BENCHMARK(BM_SortFromLoadOrder)->Apply(modes_and_sizes);
BENCHMARK(BM_SortedCatalogue)->Apply(modes_and_sizes);
BENCHMARK(BM_SortFromSortedOrder)->Apply(modes_and_sizes);
BENCHMARK(BM_SortFromReverseOrder)->Apply(modes_and_sizes);
BENCHMARK(BM_FilterMin)->Apply(sizes);
BENCHMARK(BM_FilterStats)->Apply(sizes);
BENCHMARK(BM_SearchName)->Apply(sizes);
BENCHMARK(BM_SearchNameRare)->Apply(sizes);

BENCHMARK_MAIN();
