#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/large_memory.h"
#include "catalogue/archive_file.h"
#include "catalogue/read_status.h"
#include "catalogue/record_buffer.h"
#include "items/category_table.h"
#include "items/item.h"

namespace torvane {

class LoadSink;
struct LoadResult;

// Every record of one reading of an archive, with the archive's bytes, which the records'
// texts are pieces of, and the ranks of the records' names. Made once, never changed: a new
// reading makes a new catalogue, which replaces the old one whole. Moving it keeps every
// record where it is, so views of its records stay good as long as some catalogue holds them;
// whoever shows them shares the catalogue (std::shared_ptr<const Catalogue>) to keep it.
class Catalogue {
public:
    // An empty catalogue, as before any archive was read.
    Catalogue() = default;
    Catalogue(Catalogue&&) noexcept = default;
    Catalogue& operator=(Catalogue&&) noexcept = default;
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;
    ~Catalogue() = default;

    // Reads the archive file at path. A sink, when given, hears of every line dropped, ignored
    // or read doubtfully.
    static LoadResult load(std::string_view path, LoadSink* sink = nullptr);
    // Reads an archive held in memory, as load reads a file.
    static Catalogue from_text(std::string_view text, LoadSink* sink = nullptr);

    // The kept records in the order of their lines in the file.
    std::span<const Item> items() const { return records_.items(); }
    std::size_t size() const { return items().size(); }
    bool empty() const { return items().empty(); }

    // The place of each record's name among the names of its category, in byte order, from 1,
    // equal names sharing one; one rank per record, in the order of items(). Lets a sort order
    // names without reading them. Kept beside the records, which nothing writes after reading.
    std::span<const std::uint32_t> name_ranks() const { return name_ranks_; }
    // The rank of one of the catalogue's records.
    std::uint32_t name_rank(const Item& item) const {
        return name_ranks_[static_cast<std::size_t>(&item - items().data())];
    }
    // The records' places in the order of sorts_before by name, records that tie the later
    // first, as a stable sort of the lists' order (the latest line first) leaves them: ranking
    // the names sorted them already.
    std::span<const std::uint32_t> name_order() const { return name_order_; }
    // The part of name_order() that holds the records of one category (by its code).
    std::span<const std::uint32_t> name_order(int category) const {
        const auto code = static_cast<std::size_t>(category);
        return name_order().subspan(category_starts_[code],
                                    category_starts_[code + 1] - category_starts_[code]);
    }

private:
    explicit Catalogue(ArchiveFile file, LoadSink* sink);

    ArchiveFile file_;
    RecordBuffer records_;
    LargeVector<std::uint32_t> name_ranks_;
    LargeVector<std::uint32_t> name_order_;
    std::array<std::size_t, category_count + 1> category_starts_{};
};

struct LoadResult {
    ReadStatus status = ReadStatus::read;
    // Empty unless the file was read.
    Catalogue catalogue;
};

} // namespace torvane
