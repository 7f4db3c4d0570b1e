// The chart of a page at scale: drawing it at the chart window's designed size and at a
// screen-filling size, and the best buys of each category.
#include <benchmark/benchmark.h>

#include <map>

#include <QGuiApplication>
#include <QImage>

#include "chart/chart_frontier.h"
#include "chart/chart_model.h"
#include "chart_sample_points.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart/chart_raster.h"

namespace {

constexpr std::uint32_t seed = 20261221;

const std::vector<torvane::ChartPoint>& sample(std::size_t count) {
    static std::map<std::size_t, std::vector<torvane::ChartPoint>> samples;
    auto& points = samples[count];
    if (points.empty()) {
        points = sample_chart_points(count, seed);
    }
    return points;
}

const torvane::ChartModel& sample_model(std::size_t count) {
    static std::map<std::size_t, torvane::ChartModel> models;
    auto [place, added] = models.try_emplace(count);
    if (added) {
        place->second.set_points(sample(count), torvane::RequirementAxis::across);
    }
    return place->second;
}

void set_counters(benchmark::State& state, std::size_t points) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(points));
}

// Everything a repaint after a change does: place the axes and legend, draw the image. The
// arguments: points, width, height, device pixel ratio in percent.
void BM_ChartDraw(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const torvane::ChartModel& model = sample_model(count);
    const QSize size(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    const qreal ratio = static_cast<qreal>(state.range(3)) / 100.0;
    // Kept from one drawing to the next, as the window keeps them.
    ChartRaster raster;
    QImage image;
    for (auto _ : state) {
        const ChartLayout layout(model, ChartAxes::efficacy_by_requirement(), size,
                                 QGuiApplication::font());
        paint_chart(image, model, layout, ratio, raster);
        benchmark::DoNotOptimize(image.constBits());
    }
    set_counters(state, count);
}

// What a new page or filter costs before the drawing: the points made finite, counted and
// ranged, and the best buys found.
void BM_ChartSetPoints(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    torvane::ChartModel model;
    for (auto _ : state) {
        model.set_points(sample(count), torvane::RequirementAxis::across);
        benchmark::DoNotOptimize(model.frontier().data());
    }
    set_counters(state, count);
}

void BM_ChartFrontier(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const std::vector<torvane::ChartPoint>& points = sample(count);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            torvane::frontier_positions(points, torvane::RequirementAxis::across).data());
    }
    set_counters(state, count);
}

// The first pointer movement after a drawing sorts the points by pixel; later ones only look.
void BM_ChartFirstHover(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const torvane::ChartModel& model = sample_model(count);
    const ChartLayout layout(model, ChartAxes::efficacy_by_requirement(), QSize(1280, 1000),
                             QGuiApplication::font());
    ChartRaster raster;
    QImage image;
    for (auto _ : state) {
        state.PauseTiming();
        paint_chart(image, model, layout, 1.0, raster);
        state.ResumeTiming();
        benchmark::DoNotOptimize(raster.points_near(layout.frame().center(), 4).size());
    }
    set_counters(state, count);
}

} // namespace

BENCHMARK(BM_ChartDraw)
    ->ArgNames({"points", "width", "height", "ratio%"})
    ->Args({100'000, 600, 430, 100})
    ->Args({100'000, 1280, 1000, 100})
    ->Args({100'000, 1280, 1000, 200})
    ->Args({1'000'000, 600, 430, 100})
    ->Args({1'000'000, 1280, 1000, 100})
    ->Args({1'000'000, 1280, 1000, 200})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartSetPoints)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartFrontier)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartFirstHover)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Drawing into an image needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
