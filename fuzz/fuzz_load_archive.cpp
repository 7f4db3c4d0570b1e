// Loads arbitrary bytes as an archive file, then sorts, filters and searches the catalogue
// and renders every description, as the window would.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

#include "catalogue/item_list.h"
#include "catalogue/load_findings.h"
#include "items/text_1252.h"

namespace {

// One scratch file per process, removed at exit.
class ScratchFile {
public:
    ScratchFile() {
        char name[] = "/tmp/torvane-fuzz-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) {
            std::abort();
        }
        close(fd);
        path_ = name;
    }
    ~ScratchFile() { std::remove(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& write(const std::uint8_t* data, std::size_t size) {
        std::FILE* const file = std::fopen(path_.c_str(), "wb");
        if (file == nullptr || std::fwrite(data, 1, size, file) != size) {
            std::abort();
        }
        std::fclose(file);
        return path_;
    }

private:
    std::string path_;
};

// Seven bounds from the start of the input (missing bytes read as 0).
std::int32_t bound_at(const std::uint8_t* data, std::size_t size, std::size_t index) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t at = index * 4 + i;
        bits = bits << 8 | (at < size ? data[at] : 0U);
    }
    std::int32_t bound = 0;
    std::memcpy(&bound, &bits, sizeof bound);
    return bound;
}

// Renders every description of the list and checks that the list is whole.
void describe_all(ItemList& list) {
    list.rewind();
    std::int32_t seen = 0;
    while (Item* item = list.next()) {
        item->description();
        ++seen;
    }
    if (seen != list.count()) {
        std::abort();
    }
}

// Whether the list is in order: no item sorts before the one in front of it.
void check_sorted(ItemList& list) {
    list.rewind();
    const Item* previous = list.next();
    while (const Item* item = list.next()) {
        if (item->sorts_before(*previous)) {
            std::abort();
        }
        previous = item;
    }
}

// Findings come in file order, each on a line of the file.
class CheckingSink : public LoadSink {
public:
    explicit CheckingSink(std::size_t lines) : lines_(lines) {}
    void found(std::size_t line_number, LoadFinding /*finding*/) override {
        if (line_number == 0 || line_number < last_ || line_number > lines_) {
            std::abort();
        }
        last_ = line_number;
    }

private:
    std::size_t lines_;
    std::size_t last_ = 0;
};

} // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFile scratch;
    ItemList catalogue;
    if (catalogue.load(scratch.write(data, size)) != 0) {
        std::abort();
    }
    const std::int32_t loaded = catalogue.count();
    {
        // Listening to the findings changes nothing in what is loaded.
        CheckingSink sink(static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1);
        ItemList heard;
        if (heard.load(scratch.write(data, size), &sink) != 0 || heard.count() != loaded) {
            std::abort();
        }
    }
    for (const SortMode mode : {sort_by_efficacy, sort_by_requirement, sort_by_name}) {
        catalogue.sort(mode);
        if (catalogue.count() != loaded) {
            std::abort();
        }
        check_sorted(catalogue);
    }
    describe_all(catalogue);

    std::int32_t b[7];
    for (std::size_t i = 0; i < 7; ++i) {
        b[i] = bound_at(data, size, i);
    }
    const std::unique_ptr<ItemList> at_least =
        catalogue.filter_min(b[0], b[1], b[2], b[3], b[4], b[5], b[6]);
    const std::unique_ptr<ItemList> at_most =
        catalogue.filter_stats(b[0], b[1], b[2], b[3], b[4], b[5], b[6], 1);
    at_least->sort(sort_by_requirement);
    at_most->sort(sort_by_efficacy);
    describe_all(*at_least);
    describe_all(*at_most);

    // A piece of the input, lower-cased as the window does, as the search text.
    const std::size_t piece = size > 30 ? data[28] % 8 : 0;
    const std::string text =
        to_lower_1252(std::string_view(reinterpret_cast<const char*>(data), size)
                          .substr(size > 30 ? 29 : 0, piece));
    const std::unique_ptr<ItemList> found = catalogue.search_name(text);
    found->sort(sort_by_name);
    describe_all(*found);
    if (found->count() > loaded || at_least->count() > loaded || at_most->count() > loaded) {
        std::abort();
    }
    return 0;
}
