// Names and descriptions for assistive technologies: what each control is, in Italian, where
// its caption alone does not say it (a number box, an arrow, a list). The counters and the
// description are read by what they show; their names here stand for them while they show
// nothing.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>

#include "focus_edit.h"
#include "line_list_view.h"
#include "main_dialog.h"
#include "readable_label.h"
#include "spin_button.h"

namespace {

// Each filter row's statistic and the names of its two boxes.
struct StatText {
    const char* statistic;
    const char* minimum;
    const char* maximum;
};

constexpr std::array<StatText, MainDialog::stat_row_count> statistics = {{
    {"livello", "Livello minimo", "Livello massimo"},
    {"forza", "Forza minima", "Forza massima"},
    {"resistenza", "Resistenza minima", "Resistenza massima"},
    {"agilità", "Agilità minima", "Agilità massima"},
    {"saggezza", "Saggezza minima", "Saggezza massima"},
    {"intelligenza", "Intelligenza minima", "Intelligenza massima"},
    {"attacco", "Attacco minimo", "Attacco massimo"},
}};

struct ListText {
    const char* name;
    const char* description;
};

constexpr std::array<ListText, MainDialog::page_count> lists = {{
    {"Elenco delle armi", "Armi e oggetti senza categoria, raggruppati per tipo"},
    {"Elenco delle armature e vesti",
     "Scudi, armature, vesti, elmi, guanti, stivali, cinture e mantelli, raggruppati per tipo"},
    {"Elenco dei gioielli", "Amuleti, anelli e bracciali, raggruppati per tipo"},
    {"Elenco degli archi", "Archi e frecce, raggruppati per tipo"},
    {"Elenco delle abilità", "Le abilità"},
    {"Elenco degli incantesimi", "Gli incantesimi"},
}};

void describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

void MainDialog::describe_controls() {
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        const QString statistic = QString::fromUtf8(statistics[k].statistic);
        const QString least = QString::fromUtf8(statistics[k].minimum);
        const QString most = QString::fromUtf8(statistics[k].maximum);
        const StatRow& row = rows_[k];
        describe(row.min_edit, least,
                 QStringLiteral("Con «Min» spuntato, mostra solo gli oggetti con %1 almeno "
                                "pari a questo valore; 0 non pone limiti")
                     .arg(statistic));
        describe(row.max_edit, most,
                 QStringLiteral("Con «Max» spuntato, mostra solo gli oggetti con %1 al più "
                                "pari a questo valore; 0 non pone limiti")
                     .arg(statistic));
        row.min_spin->describe(least);
        row.max_spin->describe(most);
    }
    describe(min_check_, QStringLiteral("Min"),
             QStringLiteral("Applica i limiti minimi alla prossima ricerca con Filtra"));
    describe(max_check_, QStringLiteral("Max"),
             QStringLiteral("Applica i limiti massimi alla prossima ricerca con Filtra"));
    describe(filter_button_, QStringLiteral("Filtra"),
             QStringLiteral("Mostra il catalogo entro i limiti spuntati, nell'ordine scelto"));
    describe(search_edit_, QStringLiteral("Testo da cercare"),
             QStringLiteral("Una parte del nome degli oggetti da cercare"));
    describe(search_button_, QStringLiteral("Cerca"),
             QStringLiteral("Mostra gli oggetti il cui nome contiene il testo, nell'ordine "
                            "scelto"));
    const std::array<const char*, 3> orders = {"per nome", "per efficacia", "per requisiti"};
    for (std::size_t i = 0; i < sort_radios_.size(); ++i) {
        describe(sort_radios_[i], QStringLiteral("Ordina ") + QString::fromUtf8(orders[i]),
                 QStringLiteral("Ordine della prossima ricerca con Filtra o Cerca"));
    }
    describe(tab_bar_, QStringLiteral("Pagine del catalogo"),
             QStringLiteral("Ctrl+Tab e Ctrl+Pagina giù passano alla pagina seguente"));
    for (std::size_t page = 0; page < lists_.size(); ++page) {
        describe(lists_[page], QString::fromUtf8(lists[page].name),
                 QString::fromUtf8(lists[page].description));
    }
    describe(description_label_, QStringLiteral("Descrizione"),
             QStringLiteral("La descrizione completa della riga selezionata; si può "
                            "selezionare e copiare"));
    describe(description_scroll_, QStringLiteral("Descrizione"), QString());
    describe(loaded_label_, QStringLiteral("Oggetti caricati"),
             QStringLiteral("Il numero di oggetti letti dal catalogo"));
    describe(found_label_, QStringLiteral("Oggetti trovati"),
             QStringLiteral("Il numero di oggetti mostrati negli elenchi"));
    describe(caption_label_, caption_label_->text(), QString());
    describe(banner_, QStringLiteral("Torvane Database"), QString());
    describe(exit_button_, QStringLiteral("Esci"), QStringLiteral("Chiude il programma"));
}
