#include <algorithm>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

#include "archive_file.h"
#include "archive_parser.h"
#include "item_list.h"
#include "items/category_table.h"
#include "items/field_doubts.h"
#include "items/record_arena.h"
#include "line_findings.h"

namespace {

// Below this size a second thread costs more than it saves.
constexpr std::size_t parallel_bytes = std::size_t{4} << 20;

struct ArenaRelease {
    void operator()(RecordArena* arena) const { arena->release(); }
};
// The loader's own reference of an arena, held while it fills it.
using ArenaHold = std::unique_ptr<RecordArena, ArenaRelease>;

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

int ItemList::load(std::string_view path, LoadSink* sink) {
    if (path.find('\0') != std::string_view::npos) {
        return 1;
    }
    ArchiveFile file;
    if (!file.read(std::string(path))) {
        return 1;
    }
    clear();
    const std::string_view text = file.text();
    // The records and their texts go into arenas in file order, one per half of the file
    // when the halves are parsed side by side on two threads; the loader holds them while it
    // fills them, each record from then on.
    const ArenaHold first_arena(RecordArena::create());
    const ArenaHold second_arena(RecordArena::create());
    std::size_t split = second_half_start(text, sink);
    LargeVector<Item*> second_records;
    std::jthread second_half;
    if (split < text.size()) {
        try {
            second_half = std::jthread([&] {
                LineFindings quiet(nullptr);
                second_records = parse_archive_text(text.substr(split), category_at(text, split), 0,
                                                    *second_arena, quiet);
            });
        } catch (const std::system_error&) {
            split = text.size(); // no thread to be had: one piece after all
        }
    }
    LargeVector<Item*> records;
    {
        LineFindings findings(sink);
        const FieldDoubtScope doubt_scope(findings.listener());
        records = parse_archive_text(text.substr(0, split), undefined_category, 1, *first_arena,
                                     findings);
    }
    if (second_half.joinable()) {
        second_half.join();
    }
    records.insert(records.end(), second_records.begin(), second_records.end());
    first_arena->close();
    second_arena->close();
    // As if each record had been pushed in front in file order: the last one comes first.
    std::for_each(records.rbegin(), records.rend(), [this](Item* record) { push_back(record); });
    return 0;
}
