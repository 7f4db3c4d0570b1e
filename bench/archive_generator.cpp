#include "archive_generator.h"

#include <array>
#include <atomic>
#include <fstream>
#include <random>
#include <unistd.h>

namespace {

constexpr std::array<std::string_view, 21> section_headers = {"",
                                                              "[armi]",
                                                              "[Scudi]",
                                                              "[armature]",
                                                              "[vesti nere]",
                                                              "[VESTEVERDE]",
                                                              "[vesti bianche]",
                                                              "[veste rossa]",
                                                              "[vestiarciere]",
                                                              "[elmi]",
                                                              "[guanti]",
                                                              "[stivali]",
                                                              "[cinture]",
                                                              "[mantelli]",
                                                              "[archi]",
                                                              "[frecce]",
                                                              "[amuleti]",
                                                              "[anelli]",
                                                              "[bracciali]",
                                                              "[abilit\xE0]",
                                                              "[incantesimi]"};

// Relative number of items per category: many weapons and armour, fewer rare pieces.
constexpr std::array<int, 21> category_weights = {0, 18, 5, 6, 3, 3, 3, 3, 3, 5, 4,
                                                  4, 3,  3, 5, 3, 4, 5, 4, 8, 10};

constexpr std::array<std::string_view, 24> nouns = {
    "Spada",   "Ascia",  "Mazza",     "Pugnale", "Lancia",  "Martello",  "Scudo",    "Corazza",
    "Veste",   "Elmo",   "Guanti",    "Stivali", "Cintura", "Mantello",  "Arco",     "Frecce",
    "Amuleto", "Anello", "Bracciale", "Tecnica", "Incanto", "\xC0ncora", "Falcione", "Sciabola"};

constexpr std::array<std::string_view, 20> adjectives = {
    "Corta",  "Lunga",  "Antica", "Maledetta",   "Perduta",      "d'Ombra",  "di Luce",
    "Sacra",  "Nera",   "Verde",  "Bianca",      "Rossa",        "Pesante",  "Leggera",
    "Runica", "Elfica", "del Re", "dell'Abisso", "Gi\xE0 Vista", "Incrinata"};

constexpr std::array<std::string_view, 16> places = {
    "Rocca Grigia", "Porto Vecchio", "Citt\xE0 Alta",   "Bosco Scuro",
    "Monte Thal",   "Palude",        "Fabbro di Rocca", "Mercato",
    "Tempio",       "Miniera",       "Torre del Mago",  "Isola \xC8stia",
    "Caverna",      "Accampamento",  "Biblioteca",      "Cripta"};

constexpr std::array<std::string_view, 8> bonuses = {
    "+1 For", "+2 Agi", "+3 Res", "Veleno", "Fuoco +5", "", "Gelo, Stordimento", "+1 Sag"};

class LineWriter {
public:
    explicit LineWriter(const ArchiveShape& shape)
        : random_(shape.seed), line_end_(shape.crlf_line_ends ? "\r\n" : "\n") {}

    void comment(std::string_view text) {
        out_ += "; ";
        out_ += text;
        out_ += line_end_;
    }
    void blank() { out_ += line_end_; }
    void header(int code) {
        out_ += section_headers[static_cast<std::size_t>(code)];
        out_ += line_end_;
    }

    // One data line of the category, with the fields its class reads.
    void data_line(int code) {
        name();
        out_ += '=';
        if (code == 1) { // bonus, strength, intelligence, wisdom, location, damages
            fields({text(bonus()), stat(), stat(), stat(), text(place())});
            damages();
        } else if (code <= 13 || (code >= 16 && code <= 18)) {
            // bonus, strength, resistance, agility, intelligence, wisdom, attack, location,
            // armour class
            fields(
                {text(bonus()), stat(), stat(), stat(), stat(), stat(), attack(), text(place())});
            out_ += ',' + armour_class();
        } else if (code <= 15) { // bonus, strength, agility, intelligence, wisdom, location
            fields({text(bonus()), stat(), stat(), stat(), stat(), text(place())});
            damages();
        } else if (code == 19) { // six statistics, teacher, trainer, two costs
            fields({stat(), stat(), stat(), stat(), stat(), stat(), text(place()), text(place()),
                    cost()});
            out_ += ',' + cost();
        } else { // mana, level, intelligence, wisdom, prerequisite, location, teacher, costs
            fields({stat(), stat(), stat(), stat(), text(bonus()), text(place()), text(place()),
                    cost()});
            out_ += ',' + cost();
        }
        out_ += line_end_;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string take() { return std::move(out_); }

private:
    template <std::size_t N> std::string_view any(const std::array<std::string_view, N>& words) {
        return words[static_cast<std::size_t>(pick(0, static_cast<int>(N) - 1))];
    }

    void name() {
        out_ += any(nouns);
        out_ += ' ';
        out_ += any(adjectives);
        if (pick(0, 2) == 0) {
            out_ += " di ";
            out_ += any(places);
        }
        if (pick(0, 3) == 0) {
            out_ += ' ';
            out_ += std::to_string(pick(1, 999));
        }
    }

    std::string_view bonus() { return any(bonuses); }
    std::string_view place() { return pick(0, 9) == 0 ? std::string_view() : any(places); }

    // Mostly ordinary values, some absent (0) and some unknown (-1).
    std::string stat() {
        const int kind = pick(0, 19);
        if (kind == 0) {
            return "-1";
        }
        if (kind < 5) {
            return "0";
        }
        return std::to_string(pick(1, 80));
    }
    std::string attack() { return pick(0, 2) == 0 ? std::to_string(pick(1, 90)) : stat(); }
    std::string cost() { return std::to_string(pick(1, 5000)); }
    std::string armour_class() {
        return std::to_string(pick(0, 400) / 4) + (pick(0, 1) == 0 ? ".5" : ".25");
    }
    static std::string text(std::string_view value) {
        std::string quoted(1, '"');
        quoted += value;
        quoted += '"';
        return quoted;
    }

    void fields(std::initializer_list<std::string> values) {
        bool first = true;
        for (const std::string& value : values) {
            if (!first) {
                out_ += ',';
            }
            out_ += value;
            first = false;
        }
    }
    void damages() {
        const int low = pick(-1, 30);
        out_ += ',' + std::to_string(low) + ',' + std::to_string(low + pick(0, 20));
    }

    std::mt19937 random_;
    std::string_view line_end_;
    std::string out_;
};

} // namespace

std::string generate_archive(const ArchiveShape& shape) {
    LineWriter writer(shape);
    writer.comment("Archivio di prova generato");
    writer.blank();
    std::discrete_distribution<int> categories(category_weights.begin(), category_weights.end());
    std::mt19937 section_random(shape.seed ^ 0x9E3779B9U);
    std::size_t written = 0;
    while (written < shape.items) {
        // Sections of varied length, in no particular order, as an edited file has them.
        const int code = categories(section_random);
        const std::size_t section_items = std::min<std::size_t>(
            shape.items - written, static_cast<std::size_t>(writer.pick(20, 400)));
        writer.header(code);
        for (std::size_t i = 0; i < section_items; ++i) {
            writer.data_line(code);
        }
        writer.blank();
        written += section_items;
    }
    return writer.take();
}

GeneratedArchive::GeneratedArchive(const ArchiveShape& shape) {
    static std::atomic<int> serial{0};
    path_ =
        std::filesystem::temp_directory_path() /
        ("torvane_bench_" + std::to_string(::getpid()) + "_" + std::to_string(serial++) + ".dat");
    const std::string text = generate_archive(shape);
    std::ofstream out(path_, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    bytes_ = text.size();
}

GeneratedArchive::~GeneratedArchive() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

torvane::Catalogue load_generated(const ArchiveShape& shape) {
    const GeneratedArchive archive(shape);
    return torvane::Catalogue::load(archive.path().string()).catalogue;
}
