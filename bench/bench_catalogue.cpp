#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "archive_generator.h"
#include "catalogue/item_list.h"

namespace {

constexpr std::uint32_t seed = 20261207;

// One catalogue per size in the order load leaves it, shared by the benchmarks that copy it.
ItemList& loaded_catalogue(std::size_t items) {
    static std::map<std::size_t, std::unique_ptr<ItemList>> catalogues;
    auto& catalogue = catalogues[items];
    if (!catalogue) {
        catalogue = std::make_unique<ItemList>();
        load_generated(*catalogue, {.items = items, .seed = seed});
    }
    return *catalogue;
}

// One catalogue per size as the window keeps it: loaded, then sorted by name.
ItemList& window_catalogue(std::size_t items) {
    static std::map<std::size_t, std::unique_ptr<ItemList>> catalogues;
    auto& catalogue = catalogues[items];
    if (!catalogue) {
        catalogue = std::make_unique<ItemList>();
        load_generated(*catalogue, {.items = items, .seed = seed});
        catalogue->sort(sort_by_name);
    }
    return *catalogue;
}

// A list sharing the catalogue's records in the catalogue's own order.
std::unique_ptr<ItemList> same_order_view(const ItemList& catalogue) {
    return catalogue.filter_min(0, 0, 0, 0, 0, 0, 0)->filter_min(0, 0, 0, 0, 0, 0, 0);
}

void set_counters(benchmark::State& state, std::size_t items) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(items));
}

// Loads into an empty list, as the window does once; the list is destroyed untimed.
void BM_Load(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const GeneratedArchive archive({.items = items, .seed = seed});
    const std::string path = archive.path().string();
    bool whole = true;
    for (auto _ : state) {
        auto list = std::make_unique<ItemList>();
        benchmark::DoNotOptimize(list->load(path));
        state.PauseTiming();
        whole = whole && static_cast<std::size_t>(list->count()) == items;
        list.reset();
        state.ResumeTiming();
    }
    if (!whole) {
        state.SkipWithError("the generated archive did not load whole");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(archive.bytes()));
    set_counters(state, items);
}

// Sorts a fresh view in load order each time: the catalogue as the window first sorts it.
void BM_SortFromLoadOrder(benchmark::State& state) {
    const auto mode = static_cast<SortMode>(state.range(0));
    const auto items = static_cast<std::size_t>(state.range(1));
    const ItemList& catalogue = loaded_catalogue(items);
    for (auto _ : state) {
        state.PauseTiming();
        auto view = same_order_view(catalogue);
        state.ResumeTiming();
        view->sort(mode);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
    set_counters(state, items);
}

// Sorts a list that is already in order: every later sort of the kept catalogue.
void BM_SortFromSortedOrder(benchmark::State& state) {
    const auto mode = static_cast<SortMode>(state.range(0));
    const auto items = static_cast<std::size_t>(state.range(1));
    auto view = same_order_view(loaded_catalogue(items));
    view->sort(mode);
    for (auto _ : state) {
        view->sort(mode);
    }
    set_counters(state, items);
}

// Sorts a filter result of a sorted catalogue, which comes out in reverse order.
void BM_SortFromReverseOrder(benchmark::State& state) {
    const auto mode = static_cast<SortMode>(state.range(0));
    const auto items = static_cast<std::size_t>(state.range(1));
    auto sorted = same_order_view(loaded_catalogue(items));
    sorted->sort(mode);
    for (auto _ : state) {
        state.PauseTiming();
        auto view = sorted->filter_min(0, 0, 0, 0, 0, 0, 0);
        state.ResumeTiming();
        view->sort(mode);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
    set_counters(state, items);
}

// Filters and searches include destroying their result, as the window does after showing it.
void BM_FilterMin(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemList& catalogue = window_catalogue(items);
    for (auto _ : state) {
        auto result = catalogue.filter_min(10, 0, 0, 0, 20, 0, 0);
        benchmark::DoNotOptimize(result->count());
    }
    set_counters(state, items);
}

void BM_FilterStats(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemList& catalogue = window_catalogue(items);
    for (auto _ : state) {
        auto result = catalogue.filter_stats(40, 50, 50, 50, 50, 50, 30, 1);
        benchmark::DoNotOptimize(result->count());
    }
    set_counters(state, items);
}

void BM_SearchName(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemList& catalogue = window_catalogue(items);
    for (auto _ : state) {
        auto result = catalogue.search_name("spada");
        benchmark::DoNotOptimize(result->count());
    }
    set_counters(state, items);
}

void BM_SearchNameRare(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const ItemList& catalogue = window_catalogue(items);
    for (auto _ : state) {
        auto result = catalogue.search_name("citt\xE0 alta 7");
        benchmark::DoNotOptimize(result->count());
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
BENCHMARK(BM_SortFromSortedOrder)->Apply(modes_and_sizes);
BENCHMARK(BM_SortFromReverseOrder)->Apply(modes_and_sizes);
BENCHMARK(BM_FilterMin)->Apply(sizes);
BENCHMARK(BM_FilterStats)->Apply(sizes);
BENCHMARK(BM_SearchName)->Apply(sizes);
BENCHMARK(BM_SearchNameRare)->Apply(sizes);

BENCHMARK_MAIN();
