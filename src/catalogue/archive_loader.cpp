#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "archive_format.h"
#include "item_list.h"
#include "items/text_1252.h"
#include "line_findings.h"

namespace {

struct Header {
    std::string_view text;
    int code;
};

constexpr Header headers[] = {
    {"[arma]", 1},         {"[armi]", 1},          {"[scudo]", 2},        {"[scudi]", 2},
    {"[armatura]", 3},     {"[armature]", 3},      {"[vestenera]", 4},    {"[veste nera]", 4},
    {"[vestinere]", 4},    {"[vesti nere]", 4},    {"[vesteverde]", 5},   {"[veste verde]", 5},
    {"[vestiverdi]", 5},   {"[vesti verdi]", 5},   {"[vestebianca]", 6},  {"[veste bianca]", 6},
    {"[vestibianche]", 6}, {"[vesti bianche]", 6}, {"[vesterossa]", 7},   {"[veste rossa]", 7},
    {"[vestirosse]", 7},   {"[vesti rosse]", 7},   {"[vestearciere]", 8}, {"[veste arciere]", 8},
    {"[vestiarciere]", 8}, {"[vesti arciere]", 8}, {"[elmo]", 9},         {"[elmi]", 9},
    {"[guanti]", 10},      {"[stivali]", 11},      {"[cintura]", 12},     {"[cinture]", 12},
    {"[mantello]", 13},    {"[mantelli]", 13},     {"[arco]", 14},        {"[archi]", 14},
    {"[frecce]", 15},      {"[amuleto]", 16},      {"[amuleti]", 16},     {"[anello]", 17},
    {"[anelli]", 17},      {"[bracciale]", 18},    {"[bracciali]", 18},   {"[abilita]", 19},
    {"[abilit\xE0]", 19},  {"[abilita']", 19},     {"[incantesimo]", 20}, {"[incantesimi]", 20},
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole file, or false when it cannot be opened or read. Only a regular file is read:
// a folder, a pipe or a device could block the program or never end.
bool read_file(const std::string& path, std::string& content) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        content.append(buffer.data(), got);
        if (got < buffer.size()) {
            return std::ferror(file.get()) == 0;
        }
    }
}

} // namespace

int category_of_header(std::string_view header) {
    for (const Header& h : headers) {
        if (h.text == header) {
            return h.code;
        }
    }
    return -1;
}

std::string_view trim_blanks(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) {
        return {};
    }
    const std::size_t end = text.find_last_not_of(blanks);
    return text.substr(begin, end - begin + 1);
}

int ItemList::load(std::string_view path, LoadSink* sink) {
    if (path.find('\0') != std::string_view::npos) {
        return 1;
    }
    std::string content;
    if (!read_file(std::string(path), content)) {
        return 1;
    }
    clear();
    LineFindings findings(sink);
    const FieldDoubtScope doubt_scope(findings.listener());
    // The accepted records in file order; linked at the end so that the nodes lie in memory
    // in list order, which keeps every later walk of the catalogue quick.
    std::vector<Item*> records;
    int category = 0;
    std::size_t start = 0;
    std::size_t line_number = 0;
    while (start < content.size()) {
        ++line_number;
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        const std::string_view line =
            trim_blanks(std::string_view(content).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const int code = category_of_header(to_lower_1252(line));
            if (code >= 0) {
                category = code;
            } else {
                findings.unknown_header(line_number);
            }
            continue;
        }
        Item* const item = create_item(category);
        const int result = item->parse_line(line);
        findings.parsed(line_number, category, line, result);
        if (result == 0) {
            records.push_back(item);
        } else {
            item->release();
        }
    }
    // As if each record had been pushed in front in file order: the last one comes first.
    std::for_each(records.rbegin(), records.rend(), [this](Item* record) { push_back(record); });
    return 0;
}
