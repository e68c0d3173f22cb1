// The main window without a mouse: the Tab order over the controls in view, the arrow keys
// in the topic list and the paper grid, Enter and Space pressing the focused control.
#include "mainwindowfixture.h"
#include "chrome/picturebutton.h"

#include <QLabel>
#include <QtTest>

using namespace orlavine;

class TestKeyboard : public QObject {
    Q_OBJECT

  private slots:
    void tabOrderReachesOnlyControlsInView();
    void arrowsAndEnterOpenAPaper();
    void reportAndTrashPageByKeys();
};

namespace {

QString Focused()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void Press(MainWindowFixture& f, Qt::Key key)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : f.window.get();
    QTest::keyClick(target, key);
}

/// Presses Tab until `name` has the focus; fails after a round of the window.
bool TabTo(MainWindowFixture& f, const QString& name)
{
    for (int i = 0; i < 60 && Focused() != name; ++i)
        Press(f, Qt::Key_Tab);
    return Focused() == name;
}

} // namespace

void TestKeyboard::tabOrderReachesOnlyControlsInView()
{
    MainWindowFixture f;
    f.start();
    f.show();
    QStringList expected;
    for (const char* tab : {"Tab01", "Tab02", "Tab03", "Tab04"}) {
        if (f.child(tab)->x() >= 0)
            expected << QString::fromLatin1(tab);
    }
    expected << "ToolBar01" << "ToolBar02" << "ToolBar03" << "ToolBar04";
    for (int k = 1; k <= 10; ++k) {
        if (!Child(f.window.get(), QStringLiteral("Topic%1").arg(k))->isHidden())
            expected << QStringLiteral("Topic%1").arg(k);
    }
    for (int i = 1; i <= 5; ++i)
        expected << QStringLiteral("P%1a").arg(i);
    // The window itself holds the focus at start; a full round comes back to the first tab.
    QCOMPARE(QApplication::focusWidget(), f.window.get());
    QStringList order;
    for (int i = 0; i <= expected.size(); ++i) {
        Press(f, Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget()->isVisible(), qPrintable(Focused()));
        order << Focused();
    }
    QCOMPARE(order, expected + QStringList{expected.first()});
    Press(f, Qt::Key_Backtab);
    QCOMPARE(Focused(), expected.last());
}

void TestKeyboard::arrowsAndEnterOpenAPaper()
{
    MainWindowFixture f;
    f.start(); // makes the learner files
    f.window.reset();
    f.recordScores(1, {"50"}, {}, 7); // paper 2 of topic 2 may be tried again
    f.start();
    QList<PaperChoice> opened;
    f.window->hooks().openPracticeWindow = [&](const PaperChoice& choice) { opened << choice; };
    f.show();
    QVERIFY(TabTo(f, "Topic1"));
    Press(f, Qt::Key_Up);
    QCOMPARE(Focused(), QStringLiteral("Topic1"));
    Press(f, Qt::Key_Down);
    QCOMPARE(Focused(), QStringLiteral("Topic2"));
    QCOMPARE(f.selection().firstPaperOfTopic, 1); // moving the focus selects nothing
    Press(f, Qt::Key_Return);
    QCOMPARE(f.selection().firstPaperOfTopic, 6);
    QVERIFY(TabTo(f, "P1a"));
    Press(f, Qt::Key_Right); // paper 1 has no second attempt
    QCOMPARE(Focused(), QStringLiteral("P1a"));
    Press(f, Qt::Key_Down);
    Press(f, Qt::Key_Right);
    QCOMPARE(Focused(), QStringLiteral("P2b"));
    Press(f, Qt::Key_Down); // paper 3 offers its first attempt only
    QCOMPARE(Focused(), QStringLiteral("P3a"));
    Press(f, Qt::Key_Up);
    QCOMPARE(Focused(), QStringLiteral("P2a"));
    Press(f, Qt::Key_Right);
    Press(f, Qt::Key_Space);
    Press(f, Qt::Key_Down);
    Press(f, Qt::Key_Down);
    Press(f, Qt::Key_Down);
    Press(f, Qt::Key_Down);
    QCOMPARE(Focused(), QStringLiteral("P5a"));
    Press(f, Qt::Key_Enter);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0].paper.paperNumber, 107);
    QCOMPARE(opened[0].kind, AttemptKind::Second);
    QCOMPARE(opened[1].paper.paperNumber, 110);
    QCOMPARE(opened[1].kind, AttemptKind::First);
}

void TestKeyboard::reportAndTrashPageByKeys()
{
    MainWindowFixture f;
    f.start();
    f.show();
    QVERIFY(TabTo(f, "ToolBar02"));
    Press(f, Qt::Key_Return);
    QTRY_VERIFY(f.child("Body_Report")->isVisible());
    QVERIFY(TabTo(f, "RCBar4"));
    Press(f, Qt::Key_Space);
    QCOMPARE(f.selection().reportSection, 4);
    QVERIFY(f.child("RC4Practise")->isVisible());
    QVERIFY(!f.child("RC2Topical")->isVisible());

    QVERIFY(TabTo(f, "Tab04"));
    Press(f, Qt::Key_Return);
    QCOMPARE(f.selection().frontTab, 4);
    QVERIFY(TabTo(f, "ToolBar02"));
    Press(f, Qt::Key_Return);
    QVERIFY(f.child("Body_Trash")->isVisible());
    QVERIFY(TabTo(f, "ButTrash"));
    Press(f, Qt::Key_Return);
    // The safe answer is the one in focus.
    QCOMPARE(Focused(), QStringLiteral("ButTrash_No"));
    Press(f, Qt::Key_Return);
    QCOMPARE(Focused(), QStringLiteral("ButTrash"));
    QVERIFY(f.popUps.titles.isEmpty());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
