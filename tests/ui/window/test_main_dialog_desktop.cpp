// The window on a desktop: an ordinary resizable window, a description that can be copied
// and scrolled, spin arrows that speed up, page keys from anywhere, names for screen readers.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"

namespace {

QToolButton* arrow(DialogHarness& harness, const char* spin, Qt::ArrowType type) {
    for (auto* button : harness.child<QWidget>(spin)->findChildren<QToolButton*>()) {
        if (button->arrowType() == type) {
            return button;
        }
    }
    return nullptr;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void is_a_normal_top_level_window();
    void extra_room_goes_to_the_lists_and_the_description();
    void description_can_be_copied_and_scrolls();
    void spin_arrows_speed_up_and_follow_wheel_and_page_keys();
    void page_keys_work_from_anywhere();
    void every_control_has_an_accessible_name();
};

void DesktopTest::is_a_normal_top_level_window() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    MainDialog& dialog = harness.dialog();
    QCOMPARE(dialog.windowType(), Qt::Window);
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(dialog.windowModality(), Qt::NonModal);
    QVERIFY(dialog.maximumSize().width() > dialog.minimumSize().width());
}

void DesktopTest::extra_room_goes_to_the_lists_and_the_description() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const char* const names[] = {"weapons_list", "description_scroll", "level_min_edit",
                                 "sort_group",   "exit_button",        "found_label"};
    std::vector<QRect> before;
    for (const char* name : names) {
        before.push_back(harness.child<QWidget>(name)->geometry());
    }
    const QSize designed = harness.dialog().size();
    harness.dialog().resize(designed + QSize(400, 200));
    QCOMPARE(harness.dialog().size(), designed + QSize(400, 200));

    const QRect list = harness.child<QWidget>("weapons_list")->geometry();
    const QRect description = harness.child<QWidget>("description_scroll")->geometry();
    QCOMPARE(list.topLeft(), before[0].topLeft());
    QCOMPARE(list.width(), before[0].width() + 400);
    QVERIFY(list.height() >= before[0].height() + 100);
    QCOMPARE(description.width(), before[1].width() + 400);
    QCOMPARE(description.top() - before[1].top(), list.height() - before[0].height());
    QVERIFY(description.height() > before[1].height());
    // The controls on the left stay; the exit button keeps its corner, the counters their side.
    QCOMPARE(harness.child<QWidget>("level_min_edit")->geometry(), before[2]);
    QCOMPARE(harness.child<QWidget>("sort_group")->geometry(), before[3]);
    QCOMPARE(harness.child<QWidget>("exit_button")->geometry(), before[4].translated(400, 200));
    QCOMPARE(harness.child<QWidget>("found_label")->geometry(), before[5].translated(400, 0));
    QVERIFY(harness.child<QWidget>("tab_frame")->geometry().contains(list));
}

void DesktopTest::description_can_be_copied_and_scrolls() {
    QByteArray archive = sample_archive();
    // A word too long for the box must not stop the rest from wrapping.
    archive += "[armi]\nSpada Lunga=\"" + QByteArray(300, 'x') + "\",1,1,1,\"" +
               QByteArray("molto lontano ").repeated(30) + "\",1,2\n";
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    const QStringList lines = harness.lines("weapons_list");
    const auto row = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("Spada Lunga - "));
    });
    QVERIFY(row != lines.end());
    harness.click_line("weapons_list", static_cast<int>(row - lines.begin()));
    auto* label = harness.child<QLabel>("description_label");
    QVERIFY(label->text().startsWith(QStringLiteral("Spada Lunga - ")));
    auto* scroll = harness.child<QScrollArea>("description_scroll");
    QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);

    QVERIFY(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    label->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), label->text());
}

void DesktopTest::spin_arrows_speed_up_and_follow_wheel_and_page_keys() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    QToolButton* up = arrow(harness, "attack_max_spin", Qt::UpArrow);
    QVERIFY(up != nullptr);
    // The repeats of an arrow held down take bigger and bigger steps, up to the bound.
    up->setDown(true);
    for (int repeat = 0; repeat < 40; ++repeat) {
        emit up->clicked();
    }
    up->setDown(false);
    const int held = harness.edit_text("attack_max_edit").toInt();
    QVERIFY2(held > 400 && held <= 3000, qPrintable(QString::number(held)));
    // A click after letting go is one step again.
    up->click();
    QCOMPARE(harness.edit_text("attack_max_edit").toInt(), std::min(held + 1, 3000));

    auto* level = harness.child<QLineEdit>("level_min_edit");
    harness.set_edit_text("level_min_edit", QStringLiteral("295"));
    QTest::keyClick(level, Qt::Key_PageDown);
    QCOMPARE(level->text(), QStringLiteral("285"));
    QTest::keyClick(level, Qt::Key_PageUp);
    QTest::keyClick(level, Qt::Key_PageUp);
    QCOMPARE(level->text(), QStringLiteral("300"));
    QWheelEvent wheel(QPointF(5, 5), level->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(level, &wheel);
    QCOMPARE(level->text(), QStringLiteral("298"));
}

void DesktopTest::page_keys_work_from_anywhere() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    auto* tabs = harness.child<QTabBar>("tab_control");
    struct Press {
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int page;
    };
    const Press presses[] = {
        {"level_min_edit", Qt::Key_Tab, Qt::ControlModifier, 1},
        {"search_edit", Qt::Key_PageDown, Qt::ControlModifier, 2},
        {"weapons_list", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {"min_check", Qt::Key_PageUp, Qt::ControlModifier, 0},
        {"level_max_edit", Qt::Key_PageUp, Qt::ControlModifier, 5},
        {"search_edit", Qt::Key_Tab, Qt::ControlModifier, 0},
    };
    for (const Press& press : presses) {
        auto* focus = harness.child<QWidget>(press.focus);
        focus->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(focus, press.key, press.modifiers);
        QCOMPARE(tabs->currentIndex(), press.page);
        QVERIFY(harness
                    .list(std::array{"weapons_list", "armour_list", "jewels_list", "bows_list",
                                     "abilities_list",
                                     "spells_list"}[static_cast<std::size_t>(press.page)])
                    ->isVisible());
    }
}

void DesktopTest::every_control_has_an_accessible_name() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    QStringList names;
    for (QWidget* widget : harness.dialog().findChildren<QWidget*>()) {
        // Labels name themselves by their text, but for the counters and the description.
        const bool needs_name =
            qobject_cast<QLineEdit*>(widget) != nullptr ||
            (qobject_cast<QToolButton*>(widget) != nullptr &&
             widget->parent()->objectName().endsWith(QStringLiteral("_spin"))) ||
            qobject_cast<QListView*>(widget) != nullptr ||
            QStringList{"loaded_label", "found_label", "description_label"}.contains(
                widget->objectName());
        if (needs_name) {
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            names.append(widget->accessibleName());
        }
    }
    for (const char* name :
         {"Livello massimo", "Attacco massimo", "Aumenta Forza minima",
          "Diminuisci Agilità massima", "Elenco degli incantesimi", "Oggetti trovati"}) {
        QVERIFY2(names.contains(QString::fromUtf8(name)), name);
    }
}

TORVANE_TEST_CLASS(DesktopTest)
#include "test_main_dialog_desktop.moc"
