#include "catalogue/catalogue.h"

#include <thread>

#include "archive_parser.h"
#include "base/side_by_side.h"
#include "catalogue/name_ranking.h"
#include "items/category_table.h"
#include "line_findings.h"

namespace torvane {

namespace {

// Below this size a second thread costs more than it saves.
constexpr std::size_t parallel_bytes = std::size_t{4} << 20;

// Where the second half of a large archive begins, at a line start: text.size() when the
// archive is read in one piece. With a sink it always is, so that the findings come in file
// order as they are found.
std::size_t second_half_start(std::string_view text, const LoadSink* sink) {
    if (sink != nullptr || text.size() < parallel_bytes ||
        std::thread::hardware_concurrency() < 2) {
        return text.size();
    }
    const std::size_t feed = text.find('\n', text.size() / 2);
    return feed == std::string_view::npos ? text.size() : feed + 1;
}

} // namespace

LoadResult Catalogue::load(std::string_view path, LoadSink* sink) {
    ArchiveRead archive = ArchiveFile::read(path);
    LoadResult result{archive.status, {}};
    if (archive.status == ReadStatus::read) {
        result.catalogue = Catalogue(std::move(archive.file), sink);
    }
    return result;
}

Catalogue Catalogue::from_text(std::string_view text, LoadSink* sink) {
    return Catalogue(ArchiveFile::copy_of(text), sink);
}

Catalogue::Catalogue(ArchiveFile file, LoadSink* sink) : file_(std::move(file)) {
    const std::string_view text = file_.text();
    // A large archive is parsed in two halves side by side, each into its own part of the
    // room: a line gives one record at most, so the second half's records begin after as many
    // places as the first half has lines.
    const std::size_t split = second_half_start(text, sink);
    const bool halves = split < text.size();
    const std::string_view first_half = text.substr(0, split);
    const std::string_view second_half = text.substr(split);
    std::size_t first_lines = 0;
    std::size_t second_lines = 0;
    const auto count_first = [&] { first_lines = line_count(first_half); };
    const auto count_second = [&] { second_lines = line_count(second_half); };
    if (halves) {
        side_by_side(count_first, count_second);
    } else {
        count_first();
    }
    records_ = RecordBuffer(first_lines + second_lines);
    LineFindings findings(sink);
    std::vector<CategoryRun> runs;
    std::vector<CategoryRun> second_runs;
    std::size_t first_count = 0;
    std::size_t second_count = 0;
    const auto parse_first = [&] {
        first_count =
            parse_archive_text(first_half, undefined_category, 1, findings, records_.room(0), runs);
    };
    const auto parse_second = [&] {
        LineFindings quiet(nullptr);
        second_count = parse_archive_text(second_half, category_at(text, split), 0, quiet,
                                          records_.room(first_lines), second_runs);
    };
    if (!halves) {
        parse_first();
    } else {
        side_by_side(parse_first, parse_second);
        records_.move_down(first_lines, first_count, second_count);
        for (const CategoryRun& run : second_runs) {
            runs.push_back({first_count + run.begin, first_count + run.end, run.category});
        }
    }
    records_.set_size(first_count + second_count);
    NameRanking ranking = rank_names(records_.items(), runs);
    name_ranks_ = std::move(ranking.ranks);
    name_order_ = std::move(ranking.order);
    category_starts_ = ranking.category_starts;
}

} // namespace torvane
