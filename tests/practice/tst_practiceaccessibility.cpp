// What a screen reader is told of a practice window: the toolbar as named buttons, the
// answer boxes by their letters, the readouts with what they count, the result marks.
#include "practicefixture.h"
#include "practice/resultmark.h"
#include "records/learner.h"

#include <QAccessible>

using namespace orlavine;

class TestPracticeAccessibility : public QObject {
    Q_OBJECT

  private slots:
    void controlsAreNamed();
    void readoutsFollowTheWindow();
    void resultMarks();
};

namespace {

QAccessibleInterface* Accessible(const QWidget* window, const char* name)
{
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString NameOf(const QWidget* window, const char* name)
{
    QAccessibleInterface* told = Accessible(window, name);
    return told ? told->text(QAccessible::Name) : QString("<no %1>").arg(name);
}

} // namespace

void TestPracticeAccessibility::controlsAreNamed()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    const QList<std::pair<const char*, QString>> buttons = {
        {"ToolBar01", "Save"},       {"ToolBar02", "Mark"},     {"ToolBar03", "Print"},
        {"ToolBar04", "Close"},      {"ToolBar05", "Back"},     {"ToolBar06", "Next"},
        {"ToolBar07", "Solution"},   {"imgProgMax", "Maximise"},
        {"ImgHandle", "Hide answer sheet"},
    };
    for (const auto& [objectName, name] : buttons) {
        QCOMPARE(NameOf(w, objectName), name);
        QCOMPARE(Accessible(w, objectName)->role(), QAccessible::Button);
    }
    QCOMPARE(NameOf(w, "FA1"), QString("Answer (a)"));
    QCOMPARE(NameOf(w, "FA3"), QString("Answer (c)"));
    QCOMPARE(Accessible(w, "FA1")->role(), QAccessible::EditableText);
    QCOMPARE(NameOf(w, "brwWebBrowser"), QString("Question page"));
    QCOMPARE(NameOf(w, "RemQns"), QString("Questions left"));
    PracticeSession::dispose(w);
}

void TestPracticeAccessibility::readoutsFollowTheWindow()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    QCOMPARE(NameOf(w, "Bot3"), QString("Questions answered: 0 / 3"));
    QCOMPARE(Accessible(w, "Bot3")->role(), QAccessible::StaticText);
    QCOMPARE(Accessible(w, "Bot3")->childCount(), 0);
    QVERIFY2(NameOf(w, "Bot1").startsWith("Time taken: 0"), qPrintable(NameOf(w, "Bot1")));
    PracticeSession::type(w, 1, "3");
    PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    QTRY_COMPARE(NameOf(w, "Bot3"), QString("Questions answered: 1 / 3"));

    s.answer({1});
    PracticeSession::type(w, 1, "Lung");
    PracticeSession::press(w, 2);
    QTRY_VERIFY(w->attempt().isMarked());
    QWidget* scorePanel = w->findChild<QWidget*>("Scoring")->parentWidget();
    const QString score =
        QAccessible::queryAccessibleInterface(scorePanel)->text(QAccessible::Name);
    QVERIFY2(score.startsWith("Score: 1 ") && score.endsWith(" %"), qPrintable(score));
    QVERIFY2(NameOf(w, "Bot1").startsWith("Time taken: 0:"), qPrintable(NameOf(w, "Bot1")));
    QCOMPARE(NameOf(w, "FR1"), QString("wrong")); // "Lung", on show
    PracticeSession::dispose(w);
}

void TestPracticeAccessibility::resultMarks()
{
    ResultMark mark("FR1", nullptr);
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(&mark);
    QCOMPARE(told->role(), QAccessible::Graphic);
    mark.setMark(kRightMark);
    QCOMPARE(told->text(QAccessible::Name), QString("correct"));
    mark.setMark(kWrongMark);
    QCOMPARE(told->text(QAccessible::Name), QString("wrong"));
}

ORLAVINE_GUI_TEST_MAIN(TestPracticeAccessibility)
#include "tst_practiceaccessibility.moc"
