// What a screen reader is told of the main window: every control a named button that its
// press action clicks, names following the captions, and the pop-up box's message.
#include "mainwindowfixture.h"

#include <QAccessible>
#include <QtTest>

using namespace orlavine;

class TestMainAccessibility : public QObject {
    Q_OBJECT

  private slots:
    void controlsAreNamedButtons();
    void pressActionClicks();
    void popUpBoxTellsItsMessage();
};

namespace {

QAccessibleInterface* Accessible(const MainWindowFixture& f, const char* name)
{
    QWidget* widget = f.child(name);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

} // namespace

void TestMainAccessibility::controlsAreNamedButtons()
{
    MainWindowFixture f;
    f.start();
    const QList<std::pair<const char*, QString>> controls = {
        {"ToolBar01", "Home"},
        {"ToolBar02", "Report"},
        {"ToolBar03", "Print"},
        {"ToolBar04", "Close"},
        {"Tab01", "Alpha"},
        {"Tab03", "Gamma"},
        {"Tab04", "Help"},
        {"Topic1", "Numbers"},
        {"Topic2", "Words"},
        {"P1a", "Paper 1, 1st attempt"},
        {"P5b", "Paper 5, 2nd attempt"},
        {"imgProgMin", "Minimise"},
        {"imgProgClose", "Close"},
    };
    for (const auto& [objectName, name] : controls) {
        QAccessibleInterface* control = Accessible(f, objectName);
        QVERIFY2(control, objectName);
        QCOMPARE(control->text(QAccessible::Name), name);
        QCOMPARE(control->role(), QAccessible::Button);
        QVERIFY(control->actionInterface());
        QCOMPARE(control->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        QCOMPARE(control->childCount(), 0); // a caption is part of its button
    }
}

void TestMainAccessibility::pressActionClicks()
{
    MainWindowFixture f;
    f.start();
    const QString press = QAccessibleActionInterface::pressAction();
    QVERIFY(Accessible(f, "Topic1")->state().checked);
    Accessible(f, "Topic2")->actionInterface()->doAction(press);
    QTRY_COMPARE(f.selection().firstPaperOfTopic, 6);
    // The chosen topic is told as checked, the others as not.
    QVERIFY(Accessible(f, "Topic2")->state().checkable && Accessible(f, "Topic2")->state().checked);
    QVERIFY(!Accessible(f, "Topic1")->state().checked);
    // The Help tab's toolbar: the same buttons, named by their new captions.
    Accessible(f, "Tab04")->actionInterface()->doAction(press);
    QTRY_COMPARE(f.selection().frontTab, 4);
    QCOMPARE(Accessible(f, "ToolBar01")->text(QAccessible::Name), QString("About"));
    QCOMPARE(Accessible(f, "ToolBar04")->text(QAccessible::Name), QString("Setup"));
}

void TestMainAccessibility::popUpBoxTellsItsMessage()
{
    SkinnedTestFolder folder;
    PopUpBox box(nullptr);
    box.setUp("Marking", "Do you want to mark your practice now?", 2);
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(&box);
    QCOMPARE(told->role(), QAccessible::AlertMessage);
    QCOMPARE(told->text(QAccessible::Name), QString("Marking"));
    QCOMPARE(told->text(QAccessible::Description),
             QString("Do you want to mark your practice now?"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Child(&box, "But1"))->text(QAccessible::Name),
             QString("Yes"));
    box.setUp("Marking", "Done", 1);
    QCOMPARE(QAccessible::queryAccessibleInterface(Child(&box, "But1"))->text(QAccessible::Name),
             QString("OK"));
}

QTEST_MAIN(TestMainAccessibility)
#include "tst_mainaccessibility.moc"
