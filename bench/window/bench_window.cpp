// Times the real window on a large "archive.dat" in the current directory: start-up to the
// first full fill, Fi&ltra over everything and over about half, &Cerca with a common and
// a rare text, scrolling, and the peak memory of the process. Prints Markdown tables: the
// figures against their targets, each figure as a share of the time `LC_ALL=C sort` takes
// on the same file (run first, as a child process), then where the time of each action goes.
//
//   bench_window [--repeat N] [--sort-runs N]
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "catalogue_shape.h"
#include "items/description.h"
#include "query/catalogue_view.h"
#include "query/item_view.h"
#include "sort_comparison.h"
#include "step_samples.h"
#include "ui/database_app.h"
#include "ui/window/main_dialog.h"
#include "ui/window/page_lists.h"
#include "window_probe.h"

namespace {

struct Options {
    int repeat = 5;
    int sort_runs = 3;
};

Options parse_options(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--repeat") == 0) {
            options.repeat = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--sort-runs") == 0) {
            options.sort_runs = std::max(0, std::atoi(argv[i + 1]));
        }
    }
    return options;
}

std::string load_average() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    std::string five;
    file >> one >> five;
    return one + " " + five;
}

// One action as the user runs it, and the same steps split into the catalogue's part
// (filter or search, sort) and the window's (filling the lists, and the paint).
struct Action {
    std::string label;
    std::function<StepTime(WindowProbe&)> run;
    torvane::ViewQuery query;
    StepSamples whole;
    StepSamples core;
    StepSamples window;
};

// views: the catalogue's views as the window keeps them, from one action to the next.
void run_split(WindowProbe& probe, Action& action, torvane::CatalogueView& views) {
    const Stopwatch core_watch;
    const torvane::CatalogueOrder shown = views.show(action.query);
    action.core.add(core_watch.elapsed());
    const Stopwatch window_watch;
    probe.lists().show_view(shown);
    probe.settle();
    action.window.add(window_watch.elapsed());
}

std::vector<Action> make_actions(const CatalogueShape& shape) {
    using namespace torvane;
    std::vector<Action> actions;
    const std::array<const char*, 3> mode_names = {"Per Nome", "Per Efficacia", "Per Requisiti"};
    // Each pass shows the whole catalogue in another order than the pass before: the first
    // pass in an order sorts the catalogue, the later ones show the order the window kept.
    for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
        Action all;
        all.label = std::string("Fi&ltra, no box, ") + mode_names[mode];
        all.query.sort_mode = mode;
        all.run = [mode](WindowProbe& probe) {
            probe.choose_sort(mode);
            return probe.filter(false);
        };
        actions.push_back(std::move(all));
    }
    Action half;
    half.label = "Fi&ltra, &Min " + shape.half_stat + " " + std::to_string(shape.half_bound);
    half.run = [shape](WindowProbe& probe) {
        return probe.filter(true, shape.half_stat.c_str(), shape.half_bound);
    };
    half.query.use_min = true;
    std::array<std::int32_t, 7> b{};
    b[static_cast<std::size_t>(shape.half_stat_index)] = shape.half_bound;
    half.query.min = {b[0], b[1], b[2], b[3], b[4], b[5], b[6]};
    actions.push_back(std::move(half));
    for (const char* text : {"a", "elfica di monte thal"}) {
        Action search;
        search.label = std::string("&Cerca \"") + text + "\"";
        search.run = [text](WindowProbe& probe) { return probe.search(QString::fromLatin1(text)); };
        search.query.kind = ViewQuery::Kind::search;
        search.query.search_text = text;
        actions.push_back(std::move(search));
    }
    return actions;
}

// The start-up's catalogue steps again, on a catalogue of their own: loading, the first sort,
// and rendering every description, which no fill asks for (rows are rendered when shown).
struct StartUpSteps {
    StepTime load;
    StepTime sort;
    StepTime describe;
};

StartUpSteps time_start_up_steps() {
    using namespace torvane;
    StartUpSteps steps;
    const Stopwatch load_watch;
    const LoadResult fresh = Catalogue::load("archive.dat");
    steps.load = load_watch.elapsed();
    const Stopwatch sort_watch;
    const ItemView view = sorted_catalogue(fresh.catalogue, sort_by_name);
    steps.sort = sort_watch.elapsed();
    const Stopwatch describe_watch;
    std::size_t bytes = 0;
    for (const Item* item : view) {
        bytes += description(*item).size();
    }
    steps.describe = describe_watch.elapsed();
    return bytes > 0 ? steps : StartUpSteps{};
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse_options(argc, argv);
    // Side by side with the window, before it: the same file, the same machine load.
    const StepTime plain_sort =
        options.sort_runs > 0 ? time_plain_sort("archive.dat", options.sort_runs) : StepTime{};
    const Stopwatch process_watch; // the sort aside
    int app_argc = 1;
    DatabaseApp app(app_argc, argv);
    const std::string load_before = load_average();

    WindowProbe probe;
    const StepTime process_to_fill = process_watch.elapsed();
    const MemoryUse after_start = memory_use();
    const long items = probe.loaded();
    const CatalogueShape shape = shape_of_catalogue(*probe.catalogue());
    const Targets targets = targets_for(items);

    std::vector<Action> actions = make_actions(shape);
    for (int round = 0; round < options.repeat; ++round) {
        for (Action& action : actions) {
            action.whole.add(action.run(probe));
            action.whole.found = probe.found();
        }
    }
    probe.choose_sort(torvane::sort_by_name);
    probe.filter(false);
    const ScrollTiming scrolling = probe.scroll(1, 200);
    const MemoryUse at_end = memory_use();
    // The breakdown runs after the peak was taken: its second catalogue would add to it.
    torvane::CatalogueView views;
    views.set_catalogue(probe.catalogue());
    views.show({});
    for (int round = 0; round < options.repeat; ++round) {
        for (Action& action : actions) {
            run_split(probe, action, views);
        }
    }
    const StartUpSteps start_up_steps = time_start_up_steps();

    std::printf("Load average (1 and 5 min) before the run: %s, after: %s\n\n", load_before.c_str(),
                load_average().c_str());
    print_table_head();
    std::printf("| items loaded (categories) | %ld (%d) | | |\n", items, shape.categories);
    if (plain_sort.wall_ms > 0) {
        std::printf("| `LC_ALL=C sort` of the same archive.dat | %.0f ms (%.0f ms) | | |\n",
                    plain_sort.wall_ms, plain_sort.cpu_ms);
    }
    print_step("start-up: construct, load, sort, fill, first paint", probe.start_up(),
               targets.start_up_ms);
    print_step("process start to first full fill (with the application object)", process_to_fill,
               0);
    for (const Action& action : actions) {
        print_samples(action.label, action.whole, targets.action_ms);
    }
    // The first Fi&ltra Per Efficacia and Per Requisiti (the first two actions) sorts the whole
    // catalogue in that order once; the repeats above show what the window kept.
    for (std::size_t mode = 0; mode < 2; ++mode) {
        print_step(actions[mode].label + ", the first time", actions[mode].whole.times.front(),
                   targets.action_ms);
    }
    std::printf("| scrolling \"Armature & Vesti\" (%d rows): %d jumps, each repainted | mean "
                "%.1f ms, max %.1f ms | | |\n",
                scrolling.rows, scrolling.steps, scrolling.mean_ms, scrolling.max_ms);
    std::printf("| resident memory after start-up | %.0f MiB | | |\n",
                static_cast<double>(after_start.resident_kib) / 1024.0);
    const double peak_mib = static_cast<double>(at_end.peak_kib) / 1024.0;
    std::printf("| peak memory (VmHWM) | %.0f MiB | < %.0f MiB | %s |\n", peak_mib,
                targets.peak_mib, peak_mib < targets.peak_mib ? "yes" : "**no**");

    std::vector<SortRatio> ratios = {{"start-up", probe.start_up(), targets.start_up_share}};
    for (const Action& action : actions) {
        ratios.push_back({action.label, action.whole.median(), targets.action_share});
    }
    for (std::size_t mode = 0; mode < 2; ++mode) {
        ratios.push_back({actions[mode].label + ", the first time",
                          actions[mode].whole.times.front(), targets.action_share});
    }
    print_sort_ratios(plain_sort, ratios);

    print_breakdown_head();
    print_breakdown_row("start-up: constructing the window", {}, probe.construction());
    print_breakdown_row("start-up: `load` of archive.dat", start_up_steps.load, {});
    print_breakdown_row("start-up: first `sort` by name", start_up_steps.sort, {});
    print_breakdown_row("every `description` rendered, in name order (no action does)",
                        start_up_steps.describe, {});
    for (const Action& action : actions) {
        print_breakdown_row(action.label, action.core.median(), action.window.median());
    }
    return 0;
}
