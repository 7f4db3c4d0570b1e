// Draws the chart window headless and saves what it shows, to look at the chart by eye:
//
//   render_chart [--points FILE | --synthetic N] [--axes efficacy|level] [--page NAME]
//                [--select INDEX] [--steps N] [--ratio R] OUT.png WIDTHxHEIGHT [OUT.png
//                WIDTHxHEIGHT ...]
//
// FILE holds one point a line, "x<TAB>y<TAB>category<TAB>list line" in UTF-8, its index being
// its place among the lines; lines starting with "#" are comments. Without a file, or with
// --synthetic, the points are those of the benchmark. --axes level puts the level across and
// the requirement up, as the pages of abilities and spells do.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>

#include "chart_sample_points.h"
#include "ui/chart/chart_widget.h"
#include "ui/chart/chart_window.h"

namespace {

struct Options {
    std::string points_file;
    std::size_t synthetic = 100'000;
    ChartAxes axes;
    QString page = QStringLiteral("Armi");
    long select = -1;
    long steps = 0;
    std::vector<std::pair<QString, QSize>> outputs;
};

bool read_points(const std::string& path, std::vector<torvane::ChartPoint>& points,
                 QStringList& lines) {
    std::ifstream file(path);
    if (!file) {
        return false;
    }
    std::string line;
    while (std::getline(file, line)) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (line.empty() || line[0] == '#' || fields.size() < 4) {
            continue;
        }
        points.push_back({fields[0].toDouble(), fields[1].toDouble(), fields[2].toInt(),
                          static_cast<std::uint32_t>(points.size())});
        lines << fields.mid(3).join(QLatin1Char('\t'));
    }
    return true;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (value == nullptr) {
            return false;
        }
        ++i;
        if (std::strcmp(argument, "--points") == 0) {
            options.points_file = value;
        } else if (std::strcmp(argument, "--synthetic") == 0) {
            options.synthetic = std::stoul(value);
        } else if (std::strcmp(argument, "--axes") == 0) {
            options.axes = std::strcmp(value, "level") == 0 ? ChartAxes::requirement_by_level()
                                                            : ChartAxes::efficacy_by_requirement();
        } else if (std::strcmp(argument, "--page") == 0) {
            options.page = QString::fromUtf8(value);
        } else if (std::strcmp(argument, "--select") == 0) {
            options.select = std::stol(value);
        } else if (std::strcmp(argument, "--steps") == 0) {
            options.steps = std::stol(value);
        } else if (std::strcmp(argument, "--ratio") == 0) {
            qputenv("QT_SCALE_FACTOR", value);
        } else {
            int width = 0;
            int height = 0;
            if (std::sscanf(value, "%dx%d", &width, &height) != 2) {
                return false;
            }
            options.outputs.emplace_back(QString::fromUtf8(argument), QSize(width, height));
        }
    }
    return !options.outputs.empty();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: render_chart [--points FILE | --synthetic N] [--axes "
                     "efficacy|level] [--page NAME] [--select INDEX] [--steps N] [--ratio R] "
                     "OUT.png WIDTHxHEIGHT ...\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    std::vector<torvane::ChartPoint> points;
    QStringList lines;
    if (options.points_file.empty()) {
        points = sample_chart_points(options.synthetic, 20261221);
    } else if (!read_points(options.points_file, points, lines)) {
        std::fprintf(stderr, "render_chart: cannot read %s\n", options.points_file.c_str());
        return 1;
    }
    ChartWindow window;
    window.set_page(options.page);
    window.chart()->set_axes(options.axes);
    window.chart()->set_points(std::move(points), [&lines](std::uint32_t index) {
        return index < lines.size() ? lines[index] : QStringLiteral("Oggetto %1").arg(index);
    });
    if (options.select >= 0) {
        window.chart()->set_selected_index(static_cast<std::uint32_t>(options.select));
    }
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    // The arrow key pressed as often as asked, so that the keyboard's current point shows.
    window.chart()->setFocus();
    for (long step = 0; step < options.steps; ++step) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(window.chart(), &press);
    }
    for (const auto& [path, size] : options.outputs) {
        window.resize(size);
        if (!window.grab().save(path, "png")) {
            std::fprintf(stderr, "render_chart: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s: %dx%d, %s\n", qPrintable(path), size.width(), size.height(),
                    qPrintable(window.chart()->summary()));
    }
    return 0;
}
