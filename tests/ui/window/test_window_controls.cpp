// Every control of the window at its designed size: place in dialog units, caption with its
// mnemonic, the range of each spin control, and the order in which the form reads the boxes.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/spin_button.h"

namespace {

struct Control {
    std::string name;
    QRect designed; // dialog units
    const char* caption;
};

const std::vector<Control>& controls() {
    static const std::vector<Control> table = [] {
        std::vector<Control> rows;
        const char* const stems[] = {"level",  "strength",     "resistance", "agility",
                                     "wisdom", "intelligence", "attack"};
        const char* const labels[] = {
            "Li&vello:", "&For:", "&Res:", "A&gi:", "&Sag:", "&Int:", "A&ttacco:"};
        for (int k = 0; k < 7; ++k) {
            const std::string stem = stems[k];
            static std::vector<std::string> names; // the table keeps pointers into them
            names.reserve(100);
            for (const char* part :
                 {"_label", "_min_edit", "_min_spin", "_max_edit", "_max_spin"}) {
                names.push_back(stem + part);
            }
            const auto name = [&](int i) { return names[names.size() - 5 + i].c_str(); };
            const int y = 58 + 15 * k;
            rows.push_back({name(0), {7, 60 + 15 * k, 30, 10}, labels[k]});
            rows.push_back({name(1), {40, y, 25, 12}, nullptr});
            rows.push_back({name(2), {65, y, 9, 12}, nullptr});
            rows.push_back({name(3), {75, y, 25, 12}, nullptr});
            rows.push_back({name(4), {100, y, 9, 12}, nullptr});
        }
        const std::vector<Control> rest = {
            {"min_check", {40, 163, 34, 12}, "&Min"},
            {"max_check", {75, 163, 34, 12}, "Ma&x"},
            {"filter_button", {40, 178, 69, 14}, "Fi&ltra"},
            {"search_label", {7, 197, 30, 10}, "C&erca:"},
            {"search_edit", {40, 195, 69, 12}, nullptr},
            {"search_button", {40, 210, 69, 14}, "&Cerca"},
            {"sort_group", {40, 227, 69, 47}, "Ordinamento:"},
            {"sort_name_radio", {45, 237, 59, 10}, "Per &Nome"},
            {"sort_efficacy_radio", {45, 249, 59, 10}, "&Per Efficacia"},
            {"sort_requirement_radio", {45, 261, 59, 10}, "Per Re&quisiti"},
            {"description_group", {115, 227, 215, 47}, "&Descrizione"},
            {"description_scroll", {120, 237, 205, 32}, nullptr},
            {"weapons_list", {120, 75, 260, 146}, nullptr},
            {"spells_list", {120, 75, 260, 146}, nullptr},
            {"caption_label", {276, 7, 109, 10}, nullptr},
            {"loaded_label", {276, 21, 109, 10}, nullptr},
            {"found_label", {276, 35, 109, 10}, nullptr},
            {"exit_button", {335, 259, 50, 14}, "Esci"},
        };
        rows.insert(rows.end(), rest.begin(), rest.end());
        return rows;
    }();
    return table;
}

QString caption_of(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

} // namespace

class WindowControlsTest : public QObject {
    Q_OBJECT
private slots:
    void controls_stand_where_designed_with_their_captions();
    void spin_ranges();
    void form_reads_the_boxes_in_order();
};

void WindowControlsTest::controls_stand_where_designed_with_their_captions() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    const DialogUnits units(harness.dialog().font());
    QCOMPARE(harness.dialog().size(), QSize(units.x(392), units.y(280)));
    for (const Control& control : controls()) {
        const auto* widget = harness.child<QWidget>(control.name.c_str());
        QVERIFY2(widget != nullptr, control.name.c_str());
        const QRect& d = control.designed;
        QVERIFY2(widget->geometry() == units.rect(d.x(), d.y(), d.width(), d.height()),
                 control.name.c_str());
        if (control.caption != nullptr) {
            QCOMPARE(caption_of(widget), QString::fromUtf8(control.caption));
        }
    }
    // The tab control: its bar at the top left of its place, its pane down to the bottom.
    const QRect tabs = units.rect(115, 58, 270, 167);
    QCOMPARE(harness.child<QTabBar>("tab_control")->geometry().topLeft(), tabs.topLeft());
    QCOMPARE(harness.child<QWidget>("tab_frame")->geometry().bottomRight(), tabs.bottomRight());
}

void WindowControlsTest::spin_ranges() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    const std::pair<const char*, int> rows[] = {
        {"level", 300},  {"strength", 500},     {"resistance", 500}, {"agility", 500},
        {"wisdom", 500}, {"intelligence", 500}, {"attack", 3000}};
    for (const auto& [stem, upper] : rows) {
        for (const char* side : {"_min_spin", "_max_spin"}) {
            const auto* spin = harness.child<SpinButton>((std::string(stem) + side).c_str());
            QCOMPARE(spin->lower(), 0);
            QCOMPARE(spin->upper(), upper);
        }
    }
}

void WindowControlsTest::form_reads_the_boxes_in_order() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    using Member = std::int32_t FilterForm::*;
    const std::pair<const char*, Member> order[] = {
        {"strength_max_edit", &FilterForm::strength_max},
        {"intelligence_max_edit", &FilterForm::intelligence_max},
        {"level_max_edit", &FilterForm::level_max},
        {"resistance_max_edit", &FilterForm::resistance_max},
        {"wisdom_max_edit", &FilterForm::wisdom_max},
        {"agility_max_edit", &FilterForm::agility_max},
        {"attack_max_edit", &FilterForm::attack_max},
        {"agility_min_edit", &FilterForm::agility_min},
        {"attack_min_edit", &FilterForm::attack_min},
        {"strength_min_edit", &FilterForm::strength_min},
        {"intelligence_min_edit", &FilterForm::intelligence_min},
        {"level_min_edit", &FilterForm::level_min},
        {"resistance_min_edit", &FilterForm::resistance_min},
        {"wisdom_min_edit", &FilterForm::wisdom_min},
    };
    const int boxes = static_cast<int>(std::size(order));
    // A box that holds no integer stops the read: the boxes before it are read, the rest not.
    for (int bad = 0; bad < boxes; ++bad) {
        for (int i = 0; i < boxes; ++i) {
            harness.set_edit_text(order[i].first, i == bad ? QStringLiteral("x")
                                                           : QString::number(100 * bad + i + 1));
        }
        const ModalRecord prompt = answer_modals([&] { click_button(harness, "filter_button"); });
        QCOMPARE(prompt.count, 1);
        for (int i = 0; i < boxes; ++i) {
            const bool read = harness.filter().form().*order[i].second == 100 * bad + i + 1;
            QVERIFY2(read == (i < bad), order[i].first);
        }
    }
}

TORVANE_TEST_CLASS(WindowControlsTest)
#include "test_window_controls.moc"
