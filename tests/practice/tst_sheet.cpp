// The answer-sheet panel: frames, letters, stacking, long answers, borders, the second
// attempt's locks and colours, refused characters and the order of the boxes.
#include "practice/answerbox.h"
#include "practice/answerframe.h"
#include "guitest.h"
#include "recordsfixture.h"
#include "practice/resultmark.h"
#include "practice/sheetpanel.h"
#include "chrome/twips.h"

#include <QClipboard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace orlavine;

namespace {

int Px(int twips)
{
    return Twips(twips, nullptr);
}

Attempt Open(AttemptKind kind, int paper)
{
    Attempt attempt(kind, TestPaper(paper));
    attempt.readRecords();
    return attempt;
}

Attempt MarkFirst(int paper, const Fields& answers)
{
    Attempt attempt = Open(AttemptKind::First, paper);
    attempt.storeAnswers(0, answers);
    attempt.save();
    attempt.mark(TestStart());
    return attempt;
}

int VisibleFrames(const SheetPanel& panel)
{
    int n = 0;
    for (int k = 1; k <= kSheetFrames; ++k)
        n += panel.frame(k)->isVisibleTo(&panel) ? 1 : 0;
    return n;
}

/// Gap in pixels between the bottom of frame k and the top of frame k + 1.
int GapAfter(const SheetPanel& panel, int k)
{
    return panel.frame(k + 1)->y() - (panel.frame(k)->y() + panel.frame(k)->height());
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT

  private slots:
    void oneChoiceQuestion();
    void threeSubAnswersStacked();
    void sixteenSubAnswersOverlap();
    void longAnswerThenShort();
    void borderAroundEveryBox();
    void firstAttemptMarked();
    void secondAttemptOpen();
    void secondAttemptMarked();
    void refusedCharacters();
    void tabGoesThroughBoxesInOrder();
};

void TestSheet::oneChoiceQuestion()
{
    RecordsFolder folder;
    SheetPanel panel(false, nullptr);
    panel.show();
    panel.build(SheetFor(Open(AttemptKind::First, 101), 1), false);
    QCOMPARE(VisibleFrames(panel), 1);
    QVERIFY(!panel.frame(1)->letter()->isVisibleTo(&panel));
    QCOMPARE(panel.frame(1)->answerBox()->maxLength(), 1);
    QVERIFY(!panel.frame(1)->firstMark()->isVisibleTo(&panel));
    QVERIFY(!panel.frame(1)->expectedBox()->isVisibleTo(&panel));
    panel.build(SheetFor(Open(AttemptKind::First, 101), 2), false); // type T: no limit
    QCOMPARE(panel.frame(1)->answerBox()->maxLength(), 32767);
}

void TestSheet::threeSubAnswersStacked()
{
    RecordsFolder folder;
    SheetPanel panel(false, nullptr);
    panel.show();
    panel.build(SheetFor(Open(AttemptKind::First, 102), 3), false);
    QCOMPARE(VisibleFrames(panel), 3);
    for (int k = 1; k <= 3; ++k) {
        QVERIFY(panel.frame(k)->letter()->isVisibleTo(&panel));
        QCOMPARE(panel.frame(k)->letter()->text(), QString("(%1)").arg(QChar('a' + k - 1)));
    }
    QCOMPARE(panel.frame(20)->letter()->text(), QString("(t)"));
    QCOMPARE(panel.frame(1)->y(), Px(50));
    QCOMPARE(GapAfter(panel, 1), Px(105));
    QCOMPARE(GapAfter(panel, 2), Px(105));
    QCOMPARE(SheetPanel::StackGap(15), 105);
}

void TestSheet::sixteenSubAnswersOverlap()
{
    RecordsFolder folder;
    SheetPanel panel(false, nullptr);
    panel.show();
    panel.build(SheetFor(Open(AttemptKind::First, 106), 1), false);
    QCOMPARE(VisibleFrames(panel), 16);
    QCOMPARE(GapAfter(panel, 15), Px(-10));
    QCOMPARE(panel.frame(16)->answerBox()->maxLength(), 32767);
}

void TestSheet::longAnswerThenShort()
{
    RecordsFolder folder;
    const Attempt attempt = Open(AttemptKind::First, 103);
    SheetPanel panel(false, nullptr);
    panel.show();
    panel.build(SheetFor(attempt, 1), false);
    AnswerFrame* frame = panel.frame(1);
    QCOMPARE(frame->height(), Px(2100));
    QCOMPARE(frame->answerBox()->height(), Px(1000));
    QCOMPARE(frame->answerBox()->width(), Px(AnswerFrame::kWidth - 1000));
    QCOMPARE(frame->firstMark()->x(),
             frame->answerBox()->x() + frame->answerBox()->width() + Px(100));
    QCOMPARE(frame->expectedBox()->y(), frame->answerBox()->y() + Px(1000 + 100));
    QVERIFY(!panel.instruction()->isVisibleTo(&panel));
    // A long answer wraps over the box's height, its start still in view.
    AnswerBox* box = frame->answerBox();
    const QByteArray answer = "Plants take in water through their roots and carbon dioxide "
                              "through their leaves, and use the energy of sunlight to make "
                              "sugar and oxygen for the whole of the plant";
    QTest::keyClicks(box, QString::fromLatin1(answer));
    QVERIFY(box->document()->firstBlock().layout()->lineCount() > 4);
    QTRY_VERIFY(box->verticalScrollBar()->isVisible()); // more than the box holds
    box->setReadOnly(true); // marked: shown from its start
    box->setRecordText(answer);
    QCOMPARE(box->cursorForPosition(QPoint(0, 0)).position(), 0);

    panel.build(SheetFor(attempt, 2), false); // type X: the instruction picture shows
    QCOMPARE(frame->height(), Px(375));
    QCOMPARE(frame->answerBox()->size(), QSize(Px(1575), Px(255)));
    QCOMPARE(frame->firstMark()->x(), Px(2040));
    QVERIFY(panel.instruction()->isVisibleTo(&panel));
    panel.build(SheetFor(attempt, 4), false);
    QVERIFY(!panel.instruction()->isVisibleTo(&panel));
}

void TestSheet::borderAroundEveryBox()
{
    const auto lines = AnswerFrame::BorderLines(QRect(420, 60, 1575, 255), nullptr);
    QCOMPARE(lines[0], QLine(Px(390), Px(30), Px(2010), Px(30)));   // top
    QCOMPARE(lines[1], QLine(Px(390), Px(30), Px(390), Px(330)));   // left
    QCOMPARE(lines[2], QLine(Px(390), Px(330), Px(2025), Px(330))); // bottom
    QCOMPARE(lines[3], QLine(Px(2010), Px(30), Px(2010), Px(345))); // right
    QCOMPARE(AnswerFrame::BorderColour(), QColor(178, 217, 246));

    RecordsFolder folder;
    SheetPanel panel(false, nullptr);
    panel.show();
    panel.build(SheetFor(Open(AttemptKind::First, 103), 1), false);
    // The border is redrawn around the box of the layout in force.
    for (bool longAnswer : {true, false}) {
        panel.build(SheetFor(Open(AttemptKind::First, 103), longAnswer ? 1 : 4), false);
        AnswerFrame* frame = panel.frame(1);
        const QImage image = frame->grab().toImage();
        const QRect box = frame->answerBox()->geometry();
        QCOMPARE(image.pixelColor(box.left() - 2, box.center().y()), AnswerFrame::BorderColour());
        QCOMPARE(image.pixelColor(box.center().x(), box.bottom() + 2), AnswerFrame::BorderColour());
        QVERIFY(image.pixelColor(box.left() - 4, box.center().y()) != AnswerFrame::BorderColour());
    }
}

void TestSheet::firstAttemptMarked()
{
    RecordsFolder folder;
    const Attempt attempt = MarkFirst(101, {"3", "Lung", ""});
    SheetPanel panel(false, nullptr);
    panel.show();
    panel.build(SheetFor(attempt, 2), true);
    AnswerFrame* frame = panel.frame(1);
    QVERIFY(frame->answerBox()->isReadOnly());
    QVERIFY(frame->firstMark()->isVisibleTo(&panel));
    QCOMPARE(frame->firstMark()->mark(), kWrongMark);
    QVERIFY(!frame->expectedBox()->isVisibleTo(&panel)); // never in a first attempt
    QCOMPARE(frame->secondMark(), nullptr);
}

void TestSheet::secondAttemptOpen()
{
    RecordsFolder folder;
    MarkFirst(102, {"Gas", "Wood", "Sand", "c", "a", "a", "React"});
    SheetPanel panel(true, nullptr);
    panel.show();
    panel.build(SheetFor(Open(AttemptKind::Second, 102), 3), false);
    for (int k = 1; k <= 3; ++k) {
        AnswerFrame* frame = panel.frame(k);
        const bool carried = k < 3;
        QCOMPARE(frame->answerBox()->isReadOnly(), carried);
        QCOMPARE(frame->answerBox()->background(),
                 carried ? QColor(192, 192, 255) : QColor(255, 255, 255));
        QCOMPARE(frame->firstMark()->isVisibleTo(&panel), carried);
        QVERIFY(!frame->secondMark()->isVisibleTo(&panel));
        QVERIFY(!frame->expectedBox()->isVisibleTo(&panel));
    }
    AnswerFrame* frame = panel.frame(1);
    QCOMPARE(frame->answerBox()->text(), QString("c"));
    QCOMPARE(frame->firstMark()->mark(), kRightMark);
    QCOMPARE(frame->firstMark()->x(),
             frame->answerBox()->x() + frame->answerBox()->width() + Px(105));
    QCOMPARE(panel.frame(3)->answerBox()->text(), QString());
}

void TestSheet::secondAttemptMarked()
{
    RecordsFolder folder;
    MarkFirst(102, {"Gas", "Wood", "Sand", "c", "a", "a", "Reply"});
    Attempt second = Open(AttemptKind::Second, 102);
    second.storeAnswers(5, {"x"});
    second.mark(TestStart());
    SheetPanel panel(true, nullptr);
    panel.show();
    panel.build(SheetFor(second, 3), true);
    AnswerFrame* wrong = panel.frame(3);
    QVERIFY(wrong->answerBox()->isReadOnly());
    QCOMPARE(wrong->answerBox()->background(), QColor(255, 255, 255));
    QVERIFY(wrong->expectedBox()->isVisibleTo(&panel));
    QCOMPARE(wrong->expectedBox()->text(), QString("b"));
    QCOMPARE(wrong->secondMark()->mark(), kWrongMark);
    QVERIFY(!wrong->firstMark()->isVisibleTo(&panel));
    QCOMPARE(wrong->secondMark()->x(), Px(2040));
    AnswerFrame* right = panel.frame(1);
    QCOMPARE(right->answerBox()->background(), QColor(192, 192, 255));
    QVERIFY(!right->expectedBox()->isVisibleTo(&panel));
    QVERIFY(right->secondMark()->isVisibleTo(&panel));

    panel.build(SheetFor(second, 4), true); // type M: its first alternative
    QCOMPARE(panel.frame(1)->expectedBox()->text(), QString("Respond"));
    QVERIFY(panel.frame(1)->expectedBox()->isVisibleTo(&panel));
}

void TestSheet::refusedCharacters()
{
    RecordsFolder folder;
    QWidget window; // the sheet at the right of a practice window
    window.resize(800, 600);
    SheetPanel panel(false, &window);
    panel.setGeometry(500, 0, panel.width(), 600);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    panel.build(SheetFor(Open(AttemptKind::First, 101), 2), false);
    AnswerBox* box = panel.frame(1)->answerBox();
    box->setFocus();
    QTest::keyClicks(box, "a>b");
    QCOMPARE(box->text(), QString("ab"));
    QCOMPARE(box->lastRefusal(), QString("The sign > cannot be used in an answer."));
    // The hint is inside the window and hides no part of the answer sheet.
    QVERIFY(box->refusalHint()->isVisible());
    const QRect hint = box->refusalHint()->geometry();
    QVERIFY(window.rect().contains(hint));
    QVERIFY(!hint.intersects(panel.geometry()));

    // What can be stored of a paste is kept.
    QGuiApplication::clipboard()->setText("two\nlines");
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), QString("abtwo lines"));
    QCOMPARE(box->lastRefusal(), QString("An answer must stay on one line."));
    box->clear();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("7\xF0\x9F\x98\x80 \xE2\x82\xAC\xC3\xA9"));
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->lastRefusal(),
             QString::fromUtf8("The character \xF0\x9F\x98\x80 (U+1F600) cannot be used in an answer."));
    QCOMPARE(panel.typedAnswers(), Fields({QByteArray("7 \x80\xE9")}));

    box->clear();
    box->setMaxLength(1); // a single-letter answer
    QTest::keyClicks(box, "34");
    QCOMPARE(box->text(), QString("3"));
}

void TestSheet::tabGoesThroughBoxesInOrder()
{
    RecordsFolder folder;
    SheetPanel panel(false, nullptr);
    panel.show();
    panel.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    panel.build(SheetFor(Open(AttemptKind::First, 102), 3), false);
    panel.focusFirstBox();
    for (int k = 2; k <= 3; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), panel.frame(k)->answerBox());
    }
}

ORLAVINE_GUI_TEST_MAIN(TestSheet)
#include "tst_sheet.moc"
