// The chart of a page, headless: merged points under the pointer, a click and Enter picking
// the item, the arrow keys stepping by requirement, the selected item, new points replacing
// the old, what screen readers are told, and the window's title and saved image.
#include <QAccessible>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "support/dialog_test_support.h"
#include "ui/chart/chart_widget.h"
#include "ui/chart/chart_window.h"

namespace {

QString line_of(std::uint32_t index) {
    return QStringLiteral("Oggetto %1").arg(index);
}

// Three points of category 1 on one spot (indices 0 to 2), one at requirement 10 giving 8, one
// beaten at requirement 20, and a point of category 2: the best buys are 0 to 3 and 5.
std::vector<torvane::ChartPoint> sample_points() {
    return {{5, 3, 1, 0}, {5, 3, 1, 1}, {5, 3, 1, 2}, {10, 8, 1, 3}, {20, 6, 1, 4}, {30, 1, 2, 5}};
}

} // namespace

class ChartWidgetTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ChartWindow> window_;
    ChartWidget* chart_ = nullptr;

private slots:
    void init();
    void cleanup();
    void the_pointer_lists_the_items_on_one_pixel();
    void a_click_picks_the_item_under_it();
    void arrows_step_by_requirement_and_enter_picks();
    void new_points_replace_the_old();
    void screen_readers_hear_the_chart_and_its_current_point();
    void the_window_is_titled_and_saves_at_its_size();
};

void ChartWidgetTest::init() {
    window_ = std::make_unique<ChartWindow>();
    chart_ = window_->chart();
    chart_->set_points(sample_points(), line_of);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get(), hang_timeout_ms));
}

void ChartWidgetTest::cleanup() {
    window_.reset();
}

void ChartWidgetTest::the_pointer_lists_the_items_on_one_pixel() {
    const QPoint spot = chart_->place_of_item(0).value();
    QCOMPARE(chart_->place_of_item(2), spot);
    QCOMPARE(chart_->hover_text(spot + QPoint(2, -1)),
             QStringLiteral("Oggetto 0\nOggetto 1\nOggetto 2"));
    QCOMPARE(chart_->hover_text(chart_->place_of_item(4).value()), QStringLiteral("Oggetto 4"));
    QVERIFY(chart_->hover_text(spot + QPoint(40, 40)).isEmpty());

    // Beyond five items the rest are counted.
    std::vector<torvane::ChartPoint> crowd(8, {1, 1, 3, 0});
    for (std::uint32_t i = 0; i < crowd.size(); ++i) {
        crowd[i].index = 10 + i;
    }
    chart_->set_points(crowd, line_of);
    const QStringList lines = chart_->hover_text(chart_->place_of_item(10).value()).split('\n');
    QCOMPARE(lines.size(), ChartWidget::hover_lines + 1);
    QCOMPARE(lines.first(), QStringLiteral("Oggetto 10"));
    QCOMPARE(lines.last(), QStringLiteral("e altri 3"));
}

void ChartWidgetTest::a_click_picks_the_item_under_it() {
    QSignalSpy picked(chart_, &ChartWidget::item_picked);
    QSignalSpy window_picked(window_.get(), &ChartWindow::item_picked);
    QTest::mouseClick(chart_, Qt::LeftButton, {}, chart_->place_of_item(3).value());
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first().first().toUInt(), 3U);
    QCOMPARE(window_picked.size(), 1);
    // The merged spot picks its first item; empty space and the right button pick nothing.
    QTest::mouseClick(chart_, Qt::LeftButton, {}, chart_->place_of_item(1).value());
    QCOMPARE(picked.last().first().toUInt(), 0U);
    QTest::mouseClick(chart_, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(chart_, Qt::RightButton, {}, chart_->place_of_item(4).value());
    QCOMPARE(picked.size(), 2);
}

void ChartWidgetTest::arrows_step_by_requirement_and_enter_picks() {
    QSignalSpy picked(chart_, &ChartWidget::item_picked);
    chart_->setFocus();
    QTest::keyClick(chart_, Qt::Key_Return);
    QCOMPARE(picked.size(), 0);
    // The first arrow goes to the selected item; the next ones step from there.
    chart_->set_selected_index(3);
    QTest::keyClick(chart_, Qt::Key_Right);
    QCOMPARE(chart_->current_index(), 3U);
    QTest::keyClick(chart_, Qt::Key_Right);
    QCOMPARE(chart_->current_index(), 4U);
    QTest::keyClick(chart_, Qt::Key_Left);
    QTest::keyClick(chart_, Qt::Key_Up);
    QCOMPARE(chart_->current_index(), 2U);
    QTest::keyClick(chart_, Qt::Key_End);
    QCOMPARE(chart_->current_index(), 5U);
    QTest::keyClick(chart_, Qt::Key_Down);
    QCOMPARE(chart_->current_index(), 5U);
    QTest::keyClick(chart_, Qt::Key_Home);
    QCOMPARE(chart_->current_index(), 0U);
    QTest::keyClick(chart_, Qt::Key_Enter);
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first().first().toUInt(), 0U);
}

void ChartWidgetTest::new_points_replace_the_old() {
    chart_->set_selected_index(4);
    chart_->setFocus();
    QTest::keyClick(chart_, Qt::Key_Right);
    QCOMPARE(chart_->current_index(), 4U);
    // As after a filter that keeps only items 3 and 5: nothing is current, the selected item
    // is gone from the chart, and the description counts anew.
    chart_->set_points({{10, 8, 1, 3}, {30, 1, 2, 5}}, line_of);
    QCOMPARE(chart_->current_index(), std::nullopt);
    QCOMPARE(chart_->place_of_item(4), std::nullopt);
    QVERIFY(chart_->hover_text(chart_->place_of_item(3).value()) == QStringLiteral("Oggetto 3"));
    QVERIFY(chart_->accessibleDescription().startsWith(
        QStringLiteral("2 oggetti, 2 tra i migliori acquisti")));
    QTest::keyClick(chart_, Qt::Key_Right);
    QCOMPARE(chart_->current_index(), 3U);
}

void ChartWidgetTest::screen_readers_hear_the_chart_and_its_current_point() {
    // Qt hands accessibility events on only while a screen reader listens, which no headless
    // run has; what the reader asks the chart when it hears of a change is tested here.
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(chart_);
    QVERIFY(chart != nullptr);
    QCOMPARE(chart->role(), QAccessible::Chart);
    QCOMPARE(chart->text(QAccessible::Name), QStringLiteral("Grafico"));
    QCOMPARE(chart->text(QAccessible::Description),
             QStringLiteral("6 oggetti, 5 tra i migliori acquisti della loro categoria. "
                            "Requisiti in orizzontale, efficacia in verticale. Le frecce passano "
                            "da un punto all'altro in ordine di requisiti, Invio seleziona "
                            "l'oggetto."));
    QCOMPARE(chart->childCount(), 0);

    chart_->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(chart_->hasFocus(), hang_timeout_ms);
    QTest::keyClick(chart_, Qt::Key_End);
    const QString expected =
        QStringLiteral("Oggetto 5, miglior acquisto; Requisiti 30, efficacia 1; punto 6 di 6");
    QCOMPARE(chart->childCount(), 1);
    QCOMPARE(chart->focusChild()->text(QAccessible::Name), expected);
    QAccessibleInterface* point = chart->focusChild();
    QVERIFY(point->state().focused);
    QCOMPARE(point->parent(), chart);
    QCOMPARE(chart->indexOfChild(point), 0);
    QVERIFY(point->rect().contains(chart_->mapToGlobal(chart_->place_of_item(5).value())));
    // The same child follows the current point, as the reader is told on each step.
    QTest::keyClick(chart_, Qt::Key_Left);
    QCOMPARE(chart->focusChild(), point);
    QCOMPARE(point->text(QAccessible::Name),
             QStringLiteral("Oggetto 4; Requisiti 20, efficacia 6; punto 5 di 6"));
    // Requirement up, the summary and the points say so.
    chart_->set_axes(ChartAxes::requirement_by_level());
    QVERIFY(chart->text(QAccessible::Description)
                .contains(QStringLiteral("Livello in orizzontale, requisiti in verticale")));
    // Without the focus the point is there but not focused; with no point, no child.
    chart_->clearFocus();
    QTRY_VERIFY_WITH_TIMEOUT(!point->state().focused, hang_timeout_ms);
    QCOMPARE(chart->focusChild(), nullptr);
    chart_->set_points({}, line_of);
    QCOMPARE(chart->childCount(), 0);
    QVERIFY(chart->text(QAccessible::Description).startsWith(QStringLiteral("Nessun oggetto.")));
}

void ChartWidgetTest::the_window_is_titled_and_saves_at_its_size() {
    window_->set_page(QStringLiteral("Armi"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Grafico — Armi"));
    QCOMPARE(window_->windowFlags() & Qt::Window, Qt::Window);

    window_->resize(520, 380);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("grafico.png"));
    QVERIFY(window_->save_png(path));
    QImageReader saved(path);
    QCOMPARE(saved.format(), QByteArray("png"));
    QCOMPARE(saved.size(), window_->size() * window_->devicePixelRatioF());
    QVERIFY(!window_->save_png(folder.filePath(QStringLiteral("no/such/folder/grafico.png"))));

    // On a screen of twice the pixels the image has twice the pixels each way.
    const QImage sharp = chart_->render(QSize(300, 200), 2.0);
    QCOMPARE(sharp.size(), QSize(600, 400));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
}

QTEST_MAIN(ChartWidgetTest)
#include "test_chart_widget.moc"
