#include "catalogue/catalogue.h"

#include <system_error>
#include <thread>

#include "archive_parser.h"
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

struct HalfLines {
    std::size_t first = 0;
    std::size_t second = 0;
};

// The lines of the text before split and from split on, each half counted on a thread of its
// own when the text is split: a pass over the bytes of a large file is a tenth of loading it.
HalfLines count_half_lines(std::string_view text, std::size_t split) {
    HalfLines lines;
    std::jthread second;
    if (split < text.size()) {
        try {
            second = std::jthread([&] { lines.second = line_count(text.substr(split)); });
        } catch (const std::system_error&) {
            lines.second = line_count(text.substr(split)); // no thread to be had: on this one
        }
    }
    lines.first = line_count(text.substr(0, split));
    if (second.joinable()) {
        second.join(); // before lines is read
    }
    return lines;
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
    std::size_t split = second_half_start(text, sink);
    const HalfLines lines = count_half_lines(text, split);
    const std::size_t first_lines = lines.first;
    records_ = RecordBuffer(lines.first + lines.second);
    std::size_t second_count = 0;
    std::vector<CategoryRun> runs;
    std::vector<CategoryRun> second_runs;
    std::jthread second_half;
    if (split < text.size()) {
        try {
            second_half = std::jthread([&] {
                LineFindings quiet(nullptr);
                second_count = parse_archive_text(text.substr(split), category_at(text, split), 0,
                                                  quiet, records_.room(first_lines), second_runs);
            });
        } catch (const std::system_error&) {
            split = text.size(); // no thread to be had: one piece after all
        }
    }
    LineFindings findings(sink);
    const std::size_t first_count = parse_archive_text(text.substr(0, split), undefined_category, 1,
                                                       findings, records_.room(0), runs);
    if (second_half.joinable()) {
        second_half.join();
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
