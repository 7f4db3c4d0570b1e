#include "archive_format.h"

#include "items/text_1252.h"

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

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
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

int category_of_header_line(std::string_view line) {
    return category_of_header(to_lower_1252(line));
}

std::string_view trim_blanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank(text[begin])) {
        ++begin;
    }
    while (end > begin && is_blank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}
