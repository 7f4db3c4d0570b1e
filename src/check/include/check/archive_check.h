#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/load_findings.h"
#include "catalogue/read_status.h"
#include "items/category_table.h"

namespace torvane {

// What a load of an archive found, for the people who write archive files: every line it
// dropped, ignored or read doubtfully, and the items it kept per category. The window's
// loading is the same; it just does not ask.
struct ArchiveCheck {
    // Whether the file could be read at all, and if not, why.
    ReadStatus status = ReadStatus::read;
    std::vector<Finding> findings;
    // Items kept, by category code (the position of its entry in category_table).
    std::array<std::size_t, category_count> items_per_category{};

    // Lines that were dropped or ignored, against those only read doubtfully.
    std::size_t rejected() const;
    std::size_t items() const;
};

ArchiveCheck check_archive(std::string_view path);

// Whether the loader drops or ignores a line with this finding, rather than keeping it.
bool is_rejection(LoadFinding finding);

// The finding in one Italian phrase, UTF-8, naming the fields it is about.
std::string finding_text(const Finding& finding);

// One line per finding as "NAME:LINE: reason", then one summary line of the items per
// category, UTF-8; name is how the file is called in the report (UTF-8).
void write_check_report(const ArchiveCheck& check, std::string_view name, std::ostream& out);

} // namespace torvane
