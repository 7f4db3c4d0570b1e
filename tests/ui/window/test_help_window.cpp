// Guida: F1 opens the help beside the window, from anywhere in it; Esc closes it alone.
#include <QApplication>
#include <QTest>
#include <QTextBrowser>

#include "support/dialog_test_support.h"
#include "support/test_registry.h"
#include "ui/app/window_settings.h"
#include "ui/window/help_window.h"

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void f1_opens_the_help_and_esc_closes_it();
};

void HelpWindowTest::f1_opens_the_help_and_esc_closes_it() {
    const QByteArray archive = sample_archive();
    DialogHarness harness(&archive);
    QVERIFY(harness.ready());
    // From a box as from anywhere else.
    harness.child<QWidget>("search_edit")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto* help = harness.child<HelpWindow>("help_window");
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(help, hang_timeout_ms));
    auto* text = help->findChild<QTextBrowser*>(QStringLiteral("help_text"));
    // Every key, and where the settings are, which the test's own settings folder holds.
    const QString shown = text->toPlainText();
    for (const char* key : {"Ctrl+F", "F3", "Ctrl+O", "F5", "Ctrl+S", "Ctrl+G", "Ctrl+C", "F1"}) {
        QVERIFY2(shown.contains(QString::fromLatin1(key)), key);
    }
    QVERIFY(shown.contains(WindowSettings::default_file_path()));
    QCOMPARE(text->accessibleName(), QStringLiteral("Guida"));
    // A second F1 brings the same window back rather than a new one.
    QTest::keyClick(harness.child<QWidget>("search_edit"), Qt::Key_F1);
    QCOMPARE(harness.dialog().findChildren<HelpWindow*>().size(), 1);

    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(harness.dialog().isVisible());
}

TORVANE_TEST_CLASS(HelpWindowTest)
#include "test_help_window.moc"
