#include "check/archive_check.h"

#include <numeric>

#include "base/text_1252.h"
#include "catalogue/catalogue.h"
#include "items/parse_line.h"

namespace torvane {

namespace {

class CollectingSink final : public LoadSink {
public:
    explicit CollectingSink(ArchiveCheck& check) : check_(check) {}
    void found(const Finding& finding) override { check_.findings.push_back(finding); }

private:
    ArchiveCheck& check_;
};

std::string_view phrase(LoadFinding finding) {
    switch (finding) {
    case LoadFinding::empty_field:
        return "riga scartata: ha un campo vuoto";
    case LoadFinding::no_equals:
        return "riga scartata: manca \"=\" dopo il nome";
    case LoadFinding::no_name:
        return "riga scartata: manca il nome prima di \"=\"";
    case LoadFinding::unknown_header:
        return "intestazione ignorata: non corrisponde a nessuna sezione";
    case LoadFinding::no_category:
        return "oggetto senza categoria: precede ogni intestazione riconosciuta";
    case LoadFinding::missing_fields:
        return "la riga finisce presto: i campi mancanti ripetono l'ultimo presente";
    case LoadFinding::not_a_number:
        return "campo numerico non valido: vale il numero con cui comincia, o 0";
    case LoadFinding::number_clamped:
        return "numero fuori dai limiti: ridotto al valore ammesso più vicino";
    }
    return "riga non riconosciuta";
}

} // namespace

std::size_t ArchiveCheck::rejected() const {
    std::size_t count = 0;
    for (const Finding& finding : findings) {
        count += is_rejection(finding.kind) ? 1 : 0;
    }
    return count;
}

std::size_t ArchiveCheck::items() const {
    return std::accumulate(items_per_category.begin(), items_per_category.end(), std::size_t{0});
}

ArchiveCheck check_archive(std::string_view path) {
    ArchiveCheck check;
    CollectingSink sink(check);
    const LoadResult result = Catalogue::load(path, &sink);
    check.status = result.status;
    for (const Item& item : result.catalogue.items()) {
        ++check.items_per_category[static_cast<std::size_t>(category_info(item.category).code)];
    }
    return check;
}

bool is_rejection(LoadFinding finding) {
    switch (finding) {
    case LoadFinding::empty_field:
    case LoadFinding::no_equals:
    case LoadFinding::no_name:
    case LoadFinding::unknown_header:
        return true;
    case LoadFinding::no_category:
    case LoadFinding::missing_fields:
    case LoadFinding::not_a_number:
    case LoadFinding::number_clamped:
        return false;
    }
    return true;
}

std::string finding_text(const Finding& finding) {
    std::string text(phrase(finding.kind));
    const std::span<const std::string_view> names = field_names(finding.category);
    const char* separator = " (";
    for (std::size_t field = 0; field < names.size(); ++field) {
        if ((finding.fields >> field & 1U) != 0) {
            text.append(separator).append(names[field]);
            separator = ", ";
        }
    }
    if (*separator == ',') {
        text += ')';
    }
    return text;
}

void write_check_report(const ArchiveCheck& check, std::string_view name, std::ostream& out) {
    for (const Finding& finding : check.findings) {
        out << name << ':' << finding.line << ": " << finding_text(finding) << '\n';
    }
    out << name << ": " << check.items() << (check.items() == 1 ? " oggetto" : " oggetti");
    const char* separator = " (";
    for (std::size_t code = 0; code < check.items_per_category.size(); ++code) {
        if (check.items_per_category[code] > 0) {
            out << separator << utf8_from_1252(category_name(static_cast<int>(code))) << ' '
                << check.items_per_category[code];
            separator = ", ";
        }
    }
    out << (check.items() > 0 ? ")" : "") << ", " << check.rejected()
        << (check.rejected() == 1 ? " riga scartata" : " righe scartate") << '\n';
}

} // namespace torvane
