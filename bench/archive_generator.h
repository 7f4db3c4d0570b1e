#pragma once

// Synthetic archives for benchmarks: plausible data lines of all twenty categories, with
// names of varied length (many beyond the short-string size), accented letters, unknown
// (-1) and absent (0) statistics, comments and blank lines, in the layout of "archive.dat".

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

struct ArchiveShape {
    std::size_t items = 1000; // data lines, every one accepted by its category
    std::uint32_t seed = 1;   // the same shape always gives the same text
    bool crlf_line_ends = false;
};

// The archive text, Windows-1252 bytes.
std::string generate_archive(const ArchiveShape& shape);

// An archive written to the temporary folder for as long as the object lives.
class GeneratedArchive {
public:
    explicit GeneratedArchive(const ArchiveShape& shape);
    ~GeneratedArchive();
    GeneratedArchive(const GeneratedArchive&) = delete;
    GeneratedArchive& operator=(const GeneratedArchive&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::size_t bytes() const { return bytes_; }

private:
    std::filesystem::path path_;
    std::size_t bytes_ = 0;
};

// Loads a generated archive of this shape (through a temporary file, as the program loads
// "archive.dat"); empty should the file not be read.
torvane::Catalogue load_generated(const ArchiveShape& shape);
