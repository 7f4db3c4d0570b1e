// The chart window beside the main one: it shows the page on show as the lists show it, and
// a point picked selects its line as a click in the list does.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTabBar>
#include <QTest>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"
#include "ui/chart/chart_widget.h"
#include "ui/chart/chart_window.h"
#include "ui/window/chart_link.h"

class ChartLinkTest : public QObject {
    Q_OBJECT
private slots:
    void chart_follows_a_filter_only_while_open();
    void picking_a_point_selects_and_describes_its_line();
    void chart_follows_the_page();
};

namespace {

// Through the lists' menu entry.
ChartWidget* open_chart(DialogHarness& harness) {
    auto* action = harness.child<QAction>("chart_action");
    if (action == nullptr) {
        return nullptr;
    }
    action->trigger();
    ChartWindow* window = harness.part<ChartLink>("chart_link").chart_window();
    return window != nullptr && window->isVisible() ? window->chart() : nullptr;
}

} // namespace

void ChartLinkTest::chart_follows_a_filter_only_while_open() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    ChartWidget* chart = open_chart(harness);
    QVERIFY(chart != nullptr);
    // The undefined record and three weapons; the header gets no point.
    QCOMPARE(chart->model().size(), 4U);

    // Strength 10 or more keeps the three weapons alone.
    harness.child<QCheckBox>("min_check")->setChecked(true);
    harness.set_edit_text("strength_min_edit", QStringLiteral("10"));
    click_button(harness, "filter_button");
    QCOMPARE(item_names(harness, "weapons_list").size(), 3);
    QCOMPARE(chart->model().size(), 3U);

    // Closed, the chart is left alone; opened again, it shows the lists as they are.
    harness.part<ChartLink>("chart_link").chart_window()->close();
    harness.set_edit_text("strength_min_edit", QStringLiteral("15"));
    click_button(harness, "filter_button");
    QCOMPARE(item_names(harness, "weapons_list").size(), 1);
    QCOMPARE(chart->model().size(), 3U);
    QCOMPARE(open_chart(harness), chart);
    QCOMPARE(chart->model().size(), 1U);
}

void ChartLinkTest::picking_a_point_selects_and_describes_its_line() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    ChartWidget* chart = open_chart(harness);
    QVERIFY(chart != nullptr);
    const int ascia = harness.row_of(
        "weapons_list", harness.lines("weapons_list").filter(QStringLiteral("Ascia"))[0]);
    const std::optional<QPoint> place = chart->place_of_item(static_cast<std::uint32_t>(ascia));
    QVERIFY(place.has_value());
    QTest::mouseClick(chart, Qt::LeftButton, {}, *place);
    QCOMPARE(harness.list("weapons_list")->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(harness.list("weapons_list")->selectionModel()->selectedRows()[0].row(), ascia);
    QCOMPARE(harness.label_text("description_label"), harness.lines("weapons_list")[ascia]);
    QCOMPARE(chart->selected_index(), std::optional<std::uint32_t>(ascia));

    // A line picked in the list moves the chart's mark; the description is the line picked
    // last, whichever side picked it.
    harness.click_line("weapons_list", 0);
    QCOMPARE(chart->selected_index(), std::optional<std::uint32_t>(0));
    emit harness.part<ChartLink>("chart_link")
        .chart_window()
        ->item_picked(static_cast<quint32>(ascia));
    QCOMPARE(harness.label_text("description_label"), harness.lines("weapons_list")[ascia]);
    QCOMPARE(chart->selected_index(), std::optional<std::uint32_t>(ascia));
}

void ChartLinkTest::chart_follows_the_page() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // Ctrl+G from the box that has the focus at start-up.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
    ChartWindow* window = harness.part<ChartLink>("chart_link").chart_window();
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    ChartWidget* chart = window->chart();
    QCOMPARE(window->windowTitle(), QStringLiteral("Grafico \u2014 Armi"));
    QCOMPARE(chart->axes().x_title, QStringLiteral("Requisiti"));

    auto* tabs = harness.child<QTabBar>("tab_control");
    tabs->setCurrentIndex(1);
    QCOMPARE(window->windowTitle(), QStringLiteral("Grafico \u2014 Armature & Vesti"));
    QCOMPARE(chart->model().size(), 3U);
    QCOMPARE(chart->axes().y_title, QStringLiteral("Efficacia"));

    // Abilities have no efficacy: level across, requirement up.
    tabs->setCurrentIndex(4);
    QCOMPARE(window->windowTitle(), QStringLiteral("Grafico \u2014 Abilità"));
    QCOMPARE(chart->model().size(), 1U);
    QCOMPARE(chart->axes().x_title, QStringLiteral("Livello"));
    QCOMPARE(chart->axes().requirement, torvane::RequirementAxis::up);
    QCOMPARE(chart->model().points()[0].x, 2.0);
}

TORVANE_TEST_CLASS(ChartLinkTest)
#include "test_chart_link.moc"
