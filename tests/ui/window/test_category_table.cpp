// Every category end to end, one row each: the section headers that select it, the name its
// header line shows, the page it stands on and the caption of that page's message box.
#include <QTabBar>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

struct Category {
    int code;
    std::vector<const char*> headers; // Windows-1252, as written in an archive
    const char* name;                 // UTF-8, as the window shows it
    int page;
    const char* caption;
};

const std::vector<Category>& categories() {
    static const std::vector<Category> table = {
        {1, {"[arma]", "[armi]"}, "Arma", 0, "Tabella delle Armi"},
        {2, {"[scudo]", "[scudi]"}, "Scudo", 1, "Tabella delle Armature"},
        {3, {"[armatura]", "[armature]"}, "Armatura", 1, "Tabella delle Armature"},
        {4,
         {"[vestenera]", "[veste nera]", "[vestinere]", "[vesti nere]"},
         "Veste Nera",
         1,
         "Tabella delle Armature"},
        {5,
         {"[vesteverde]", "[veste verde]", "[vestiverdi]", "[vesti verdi]"},
         "Veste Verde",
         1,
         "Tabella delle Armature"},
        {6,
         {"[vestebianca]", "[veste bianca]", "[vestibianche]", "[vesti bianche]"},
         "Veste Bianca",
         1,
         "Tabella delle Armature"},
        {7,
         {"[vesterossa]", "[veste rossa]", "[vestirosse]", "[vesti rosse]"},
         "Veste Rossa",
         1,
         "Tabella delle Armature"},
        {8,
         {"[vestearciere]", "[veste arciere]", "[vestiarciere]", "[vesti arciere]"},
         "Veste Arciere",
         1,
         "Tabella delle Armature"},
        {9, {"[elmo]", "[elmi]"}, "Elmo", 1, "Tabella delle Armature"},
        {10, {"[guanti]"}, "Guanti", 1, "Tabella delle Armature"},
        {11, {"[stivali]"}, "Stivali", 1, "Tabella delle Armature"},
        {12, {"[cintura]", "[cinture]"}, "Cintura", 1, "Tabella delle Armature"},
        {13, {"[mantello]", "[mantelli]"}, "Mantello", 1, "Tabella delle Armature"},
        {14, {"[arco]", "[archi]"}, "Arco", 3, "Tabella degli Archi"},
        {15, {"[frecce]"}, "Frecce", 3, "Tabella degli Archi"},
        {16, {"[amuleto]", "[amuleti]"}, "Amuleto", 2, "Tabella dei Gioielli"},
        {17, {"[anello]", "[anelli]"}, "Anello", 2, "Tabella dei Gioielli"},
        {18, {"[bracciale]", "[bracciali]"}, "Bracciale", 2, "Tabella dei Gioielli"},
        {19, {"[abilita]", "[abilit\xE0]", "[abilita']"}, "Abilità", 4, "Tabella delle Abilità"},
        {20, {"[incantesimo]", "[incantesimi]"}, "Incantesimo", 5, "Tabella degli Incantesimi"},
    };
    return table;
}

const char* const page_lists[] = {"weapons_list", "armour_list",    "jewels_list",
                                  "bows_list",    "abilities_list", "spells_list"};

// One item under every spelling of every header, the headers in capitals to show that case
// does not matter; an item of no category first.
QByteArray archive_of_every_spelling() {
    QByteArray archive = "Senza Categoria=1\n";
    for (const Category& category : categories()) {
        for (const char* header : category.headers) {
            archive += QByteArray(header).toUpper() + "\nOggetto " +
                       QByteArray::number(category.code) + "=1\n";
        }
    }
    return archive;
}

} // namespace

class CategoryTableTest : public QObject {
    Q_OBJECT
private slots:
    void every_category_has_its_headers_name_page_and_caption();
};

void CategoryTableTest::every_category_has_its_headers_name_page_and_caption() {
    const QByteArray archive = archive_of_every_spelling();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    auto* tabs = harness.child<QTabBar>("tab_control");

    // No category: the top of the first page, with no header line of its own.
    QCOMPARE(harness.lines("weapons_list").value(0),
             QStringLiteral("Senza Categoria (Indefinito)"));
    for (const Category& category : categories()) {
        const QString name = QString::fromUtf8(category.name);
        const char* list = page_lists[category.page];
        const QStringList lines = harness.lines(list);
        const int header =
            static_cast<int>(lines.indexOf(QStringLiteral("[Oggetti di tipo %1]").arg(name)));
        QVERIFY2(header >= 0, category.name);
        // Every spelling selected the category: one item each, right under its header.
        const auto spellings = static_cast<int>(category.headers.size());
        for (int i = 1; i <= spellings; ++i) {
            QVERIFY2(lines.value(header + i)
                         .startsWith(QStringLiteral("Oggetto %1 ").arg(category.code)),
                     category.name);
        }
        QVERIFY2(!lines.value(header + spellings + 1).startsWith(QStringLiteral("Oggetto ")),
                 category.name);

        tabs->setCurrentIndex(category.page);
        harness.click_line(list, header);
        const ModalRecord shown = answer_modals([&] { harness.double_click_line(list, header); });
        QCOMPARE(shown.title, QString::fromUtf8(category.caption));
        QCOMPARE(shown.text, lines[header]);
    }
    QCOMPARE(harness.label_text("loaded_label"), QStringLiteral("Oggetti Caricati: 49"));
}

TORVANE_TEST_CLASS(CategoryTableTest)
#include "test_category_table.moc"
