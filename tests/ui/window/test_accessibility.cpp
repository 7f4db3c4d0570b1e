// What a screen reader learns of the window through Qt's accessibility layer: the counters and
// the description read by what they show, the description line by line as it wraps, each spin
// control as one spin button with its value, and every change told as the platform's bridge to
// screen readers hears it.
#include <QAccessible>
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QLineEdit>
#include <QTest>
#include <QtPlugin>

#include "support/dialog_test_support.h"

namespace {

struct Heard {
    QObject* object;
    QAccessible::Event type;
};

// Qt makes the bridge itself, so what it hears can only be kept here.
std::vector<Heard>& heard() {
    static std::vector<Heard> events;
    return events;
}

bool was_heard(QObject* object, QAccessible::Event type) {
    return std::any_of(heard().begin(), heard().end(), [&](const Heard& event) {
        return event.object == object && event.type == type;
    });
}

QAccessibleInterface* accessible(const DialogHarness& harness, const char* name) {
    return QAccessible::queryAccessibleInterface(harness.child<QWidget>(name));
}

} // namespace

// Loaded by Qt in place of the bridge to the desktop's accessibility bus. The plugin is its
// own bridge: Qt keeps its bridges to the end without freeing them, and the plugin lives as long.
class RecordingBridgePlugin : public QAccessibleBridgePlugin, public QAccessibleBridge {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "accessibility_recorder.json")
public:
    QAccessibleBridge* create(const QString& /*key*/) override { return this; }
    void setRootObject(QAccessibleInterface* /*root*/) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        heard().push_back({event->object(), event->type()});
    }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void counters_and_description_read_what_they_show();
    void changes_are_told();
    void spin_controls_are_spin_buttons_of_their_box();
};

void AccessibilityTest::counters_and_description_read_what_they_show() {
    // A weapon whose description takes several lines of the description box.
    const QByteArray archive = sample_archive() + "[armi]\nSpada Lunga=\"+2 For\",1,1,1,\"" +
                               QByteArray("oltre il passo del corvo ").repeated(12) + "\",1,2\n";
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    for (const char* counter : {"loaded_label", "found_label"}) {
        QAccessibleInterface* label = accessible(harness, counter);
        const QString shown = harness.label_text(counter);
        QCOMPARE(label->role(), QAccessible::StaticText);
        QCOMPARE(label->text(QAccessible::Name), shown);
        QCOMPARE(label->text(QAccessible::Value), shown);
        QCOMPARE(label->textInterface()->text(0, -1), shown);
    }

    QAccessibleInterface* description = accessible(harness, "description_label");
    QCOMPARE(description->role(), QAccessible::StaticText);
    // Showing nothing, the box goes by its name.
    QCOMPARE(description->text(QAccessible::Name), QStringLiteral("Descrizione"));
    const int row =
        harness.row_of("weapons_list", harness.lines("weapons_list").filter("Lunga")[0]);
    harness.click_line("weapons_list", row);
    const QString line = harness.lines("weapons_list")[row];
    QCOMPARE(description->text(QAccessible::Name), line);
    QCOMPARE(description->text(QAccessible::Value), line);

    // Line by line as the box wraps it: each line starts where the one before ended, and
    // together they are the whole text.
    QAccessibleTextInterface* text = description->textInterface();
    QCOMPARE(text->characterCount(), line.size());
    QStringList lines;
    int start = 0;
    int end = 0;
    for (int offset = 0; offset < line.size(); offset = end) {
        lines.append(text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end));
        QCOMPARE(start, offset);
        QVERIFY(end > start);
    }
    QVERIFY2(lines.size() > 2, qPrintable(lines.join('|')));
    QCOMPARE(lines.join(QString()), line);
    const int second = static_cast<int>(lines[0].size());
    QCOMPARE(text->textAfterOffset(0, QAccessible::LineBoundary, &start, &end), lines[1]);
    QCOMPARE(text->textBeforeOffset(second, QAccessible::LineBoundary, &start, &end), lines[0]);
    // The second line stands under the first, where a point on it finds it again.
    const QRect below = text->characterRect(second);
    QVERIFY(below.top() >= text->characterRect(0).bottom());
    QCOMPARE(text->offsetAtPoint(below.center()), second);
}

void AccessibilityTest::changes_are_told() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    heard().clear();
    harness.click_line("weapons_list", 2);
    auto* description = harness.child<QObject>("description_label");
    QVERIFY(was_heard(description, QAccessible::NameChanged));
    QVERIFY(was_heard(description, QAccessible::TextUpdated));

    heard().clear();
    harness.set_edit_text("search_edit", QStringLiteral("scudo"));
    click_button(harness, "search_button");
    QCOMPARE(harness.label_text("found_label"), found_text(2));
    QVERIFY(was_heard(harness.child<QObject>("found_label"), QAccessible::NameChanged));
    QVERIFY(was_heard(harness.child<QObject>("found_label"), QAccessible::TextUpdated));
    // What did not change is not told again.
    QVERIFY(!was_heard(harness.child<QObject>("loaded_label"), QAccessible::NameChanged));

    heard().clear();
    harness.set_edit_text("wisdom_max_edit", QStringLiteral("12"));
    QVERIFY(was_heard(harness.child<QObject>("wisdom_max_spin"), QAccessible::ValueChanged));
}

void AccessibilityTest::spin_controls_are_spin_buttons_of_their_box() {
    DialogHarness harness(nullptr);
    QVERIFY(harness.ready());
    struct Row {
        const char* spin;
        const char* box;
        const char* name;
        int upper;
    };
    for (const Row& row : {Row{"level_min_spin", "level_min_edit", "Livello minimo", 300},
                           Row{"attack_max_spin", "attack_max_edit", "Attacco massimo", 3000}}) {
        QAccessibleInterface* spin = accessible(harness, row.spin);
        QCOMPARE(spin->role(), QAccessible::SpinBox);
        QCOMPARE(spin->text(QAccessible::Name), QString::fromUtf8(row.name));
        QAccessibleValueInterface* value = spin->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), row.upper);
        QCOMPARE(value->currentValue().toInt(), 0);
        harness.set_edit_text(row.box, QStringLiteral("42"));
        QCOMPARE(value->currentValue().toInt(), 42);
        QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("42"));
        // A screen reader that sets the value sets the box, within the arrows' range.
        value->setCurrentValue(row.upper + 5);
        QCOMPARE(harness.edit_text(row.box), QString::number(row.upper));

        const auto controlled = spin->relations(QAccessible::Controlled);
        QCOMPARE(controlled.size(), 1);
        QCOMPARE(controlled[0].first->object(), harness.child<QObject>(row.box));
        QCOMPARE(spin->childCount(), 2);
        QCOMPARE(spin->child(0)->text(QAccessible::Name),
                 QStringLiteral("Aumenta ") + QString::fromUtf8(row.name));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
