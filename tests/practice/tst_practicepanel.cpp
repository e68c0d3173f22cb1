// Around the question page: the page guard through the viewer's focus proxy, the panel
// toggle and its hints, the layout on resizing, the corner drag, the title-bar buttons,
// the toolbar's pictures, printing and the keyboard.
#include "practice/answerbox.h"
#include "chrome/picturebutton.h"
#include "practicefixture.h"
#include "practice/questionprinter.h"
#include "practice/sheetpanel.h"
#include "chrome/twips.h"

#include <QMouseEvent>
#include <QPrintDialog>
#include <QWebEngineView>

using namespace orlavine;

namespace {

void Move(QWidget* target, const QPoint& global, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, target->mapFromGlobal(global), global, Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

class TestPracticePanel : public QObject {
    Q_OBJECT

  private slots:
    void guardThroughTheFocusProxy();
    void toggleHidesAndShowsTheSheet();
    void resizeBringsTheSheetBack();
    void cornerDragKeepsTheMinimum();
    void edgesShowPointersButDoNotResize();
    void titleBarButtons();
    void toolbarPictures();
    void printsTheQuestion();
    void keyboard();
    void shortcutsAndTabReachTheToolbar();
};

void TestPracticePanel::guardThroughTheFocusProxy()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QWidget* proxy = PracticeSession::viewOf(w)->focusProxy();
    QVERIFY(proxy);
    SeenBox seen;
    AnswerNextMessageBox(&seen);
    QTest::keyClick(proxy, Qt::Key_C, Qt::ControlModifier);
    QTRY_VERIFY(seen.seen());
    QCOMPARE(seen.title, QString("Error"));
    QCOMPARE(seen.text, QString("Invalid operation"));
    SeenBox right;
    AnswerNextMessageBox(&right);
    QTest::mouseClick(proxy, Qt::RightButton, Qt::NoModifier, proxy->rect().center());
    QTRY_VERIFY(right.seen());
    QVERIFY(s.answers()->messages.isEmpty()); // the system box, not the program's
}

void TestPracticePanel::toggleHidesAndShowsTheSheet()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    auto* handle = w->findChild<PictureButton*>("ImgHandle");
    auto* sheet = w->findChild<SheetPanel*>("AnsBox");
    QWidget* view = PracticeSession::viewOf(w);
    QWidget* bar = w->findChild<QWidget*>("TxtRem")->parentWidget();
    QCOMPARE(handle->toolTip(), QString("Hide answer sheet (Ctrl+H)"));
    const int narrow = view->width();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->findChild<QWidget*>("FA1")->setFocus();
    QTest::mouseClick(handle, Qt::LeftButton);
    QVERIFY(!w->sheetShown());
    QVERIFY(!sheet->isVisible()); // no key reaches a box out of view
    QVERIFY(!sheet->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(handle->toolTip(), QString("Show answer sheet (Ctrl+H)"));
    QCOMPARE(view->width(), narrow + sheet->width());
    QCOMPARE(bar->width(), view->width());
    QCOMPARE(sheet->x(), w->width());
    QCOMPARE(handle->parentWidget()->geometry().right() + 1,
             w->width() - w->findChild<QWidget*>("BRight")->width());
    QTest::mouseClick(handle, Qt::LeftButton);
    QVERIFY(w->sheetShown());
    QCOMPARE(handle->toolTip(), QString("Hide answer sheet (Ctrl+H)"));
    QCOMPARE(view->width(), narrow);
    QCOMPARE(sheet->geometry().right() + 1, w->width() - w->findChild<QWidget*>("BRight")->width());
}

void TestPracticePanel::resizeBringsTheSheetBack()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    auto* handle = w->findChild<PictureButton*>("ImgHandle");
    auto* sheet = w->findChild<SheetPanel*>("AnsBox");
    w->toggleAnswerSheet();
    w->resize(760, 560);
    const int inPlace = 760 - sheet->width() - w->findChild<QWidget*>("BRight")->width();
    QCOMPARE(sheet->x(), inPlace);
    QCOMPARE(handle->toolTip(), QString("Show answer sheet (Ctrl+H)"));
    QVERIFY(!w->sheetShown());
    QTest::mouseClick(handle, Qt::LeftButton); // leaves the sheet in place
    QCOMPARE(sheet->x(), inPlace);
    QCOMPARE(handle->toolTip(), QString("Hide answer sheet (Ctrl+H)"));
    QWidget* view = PracticeSession::viewOf(w);
    QCOMPARE(view->geometry().bottom() + 1 + 26 + w->findChild<QWidget*>("BBot")->height(), 560);
}

void TestPracticePanel::cornerDragKeepsTheMinimum()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QWidget* sizer = w->findChild<QWidget*>("Sizer");
    QCOMPARE(sizer->geometry().bottomRight(), QPoint(w->width() - 1, w->height() - 1));
    const QPoint origin = w->geometry().topLeft();
    QTest::mousePress(sizer, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    Move(sizer, origin + QPoint(600, 450), Qt::LeftButton);
    QCOMPARE(w->size(), QSize(600, 450));
    const QSize minimum(Twips(7300, w), Twips(5000, w));
    Move(sizer, origin + QPoint(minimum.width() - 20, minimum.height() - 20), Qt::LeftButton);
    QCOMPARE(w->size(), QSize(600, 450));
    Move(sizer, origin + QPoint(700, minimum.height()), Qt::LeftButton);
    QCOMPARE(w->size(), QSize(700, 450));
    Move(sizer, origin + QPoint(10, 500), Qt::LeftButton); // too near the left edge
    QCOMPARE(w->size(), QSize(700, 450));
    QTest::mouseRelease(sizer, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    Move(sizer, origin + QPoint(650, 400), Qt::NoButton);
    QCOMPARE(w->size(), QSize(700, 450));
    // The bottom-right corner of the bottom piece drags too.
    QWidget* corner = w->findChild<QWidget*>("BBotRight");
    QTest::mousePress(corner, Qt::LeftButton, Qt::NoModifier,
                      QPoint(corner->width() - 1, corner->height() - 1));
    Move(corner, origin + QPoint(720, 480), Qt::LeftButton);
    QTest::mouseRelease(corner, Qt::LeftButton);
    QCOMPARE(w->size(), QSize(720, 480));
}

void TestPracticePanel::edgesShowPointersButDoNotResize()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    const QPoint origin = w->geometry().topLeft();
    QWidget* left = w->findChild<QWidget*>("BLeft");
    Move(left, origin + QPoint(2, 200), Qt::NoButton);
    QCOMPARE(left->cursor().shape(), Qt::SizeHorCursor);
    QWidget* bottom = w->findChild<QWidget*>("BBot");
    Move(bottom, origin + QPoint(300, w->height() - 2), Qt::NoButton);
    QCOMPARE(bottom->cursor().shape(), Qt::SizeVerCursor);
    Move(w->findChild<QWidget*>("Sizer"), origin + QPoint(w->width() - 3, w->height() - 3),
         Qt::NoButton);
    QCOMPARE(w->findChild<QWidget*>("Sizer")->cursor().shape(), Qt::SizeFDiagCursor);

    const QSize before = w->size();
    QTest::mousePress(left, Qt::LeftButton, Qt::NoModifier, QPoint(2, 200));
    QCOMPARE(QCursor::pos().x(), origin.x()); // onto the border line
    Move(left, origin + QPoint(100, 200), Qt::LeftButton);
    QTest::mouseRelease(left, Qt::LeftButton);
    QCOMPARE(w->size(), before);
}

void TestPracticePanel::titleBarButtons()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    auto* max = w->findChild<QWidget*>("imgProgMax");
    QTest::mouseClick(max, Qt::LeftButton);
    QTRY_VERIFY(w->isMaximized());
    QTest::mouseClick(max, Qt::LeftButton);
    QTRY_VERIFY(!w->isMaximized());
    QTest::mouseClick(w->findChild<QWidget*>("imgProgMin"), Qt::LeftButton);
    QTRY_VERIFY(w->isMinimized());
    QTest::mouseClick(max, Qt::LeftButton); // minimised: nothing
    QVERIFY(w->isMinimized() && !w->isMaximized());
}

void TestPracticePanel::toolbarPictures()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    w->activateWindow();
    auto* save = w->findChild<PictureButton*>("ToolBar01");
    const QPoint centre(save->width() / 2, 10);
    QTest::mouseMove(save, centre);
    QTRY_COMPARE(save->picture(), QString("save_on.bmp"));
    QTest::mousePress(save, Qt::LeftButton, Qt::NoModifier, centre);
    QVERIFY(save->isPressed());
    QTRY_COMPARE(save->picture(), QString("save_pressed.bmp"));
    QTest::mouseMove(save, centre + QPoint(0, 200));
    QTest::mouseRelease(save, Qt::LeftButton, Qt::NoModifier, centre + QPoint(0, 200));
    QVERIFY(!save->isPressed());
    QTest::mouseMove(save, centre + QPoint(0, 201)); // the pointer left during the press
    QTRY_COMPARE(save->picture(), QString("save_off.bmp"));
    QVERIFY(s.answers()->messages.isEmpty()); // released outside: no click
    // A press on the caption keeps the hover picture.
    QWidget* caption = w->findChild<QWidget*>("lblTB01");
    QTest::mouseMove(caption, caption->rect().center());
    QTest::mousePress(caption, Qt::LeftButton, Qt::NoModifier, caption->rect().center());
    QVERIFY(!save->isPressed());
    QTRY_COMPARE(save->picture(), QString("save_on.bmp"));
    QTest::mouseRelease(caption, Qt::LeftButton, Qt::NoModifier, caption->rect().center());
    QCOMPARE(s.answers()->messages, QStringList({"Paper saved"}));
}

void TestPracticePanel::printsTheQuestion()
{
    PracticeSession s;
    QTemporaryDir out;
    QuestionPrinter::SetFileFolder(out.path());
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QTimer::singleShot(100, [] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    PracticeSession::press(w, 3);
    QTRY_VERIFY(w->findChild<QuestionPrinter*>()->busy());
    // The window closed while the job runs: the job still ends whole, then the viewer goes.
    QPointer<QWidget> viewer = w->findChild<QWebEngineView*>();
    w->close();
    const QString pdf = out.filePath("Numbers - Paper 1 - Question 1.pdf");
    QTRY_VERIFY_WITH_TIMEOUT(viewer.isNull(), 60000);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QuestionPrinter::SetFileFolder(QString());
}

void TestPracticePanel::keyboard()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 102);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget* first = w->findChild<QWidget*>("FA1");
    first->setFocus();
    QTest::keyClick(first, Qt::Key_PageUp); // question 1: Back is not enabled
    QCOMPARE(w->questionNumber(), 1);
    QTest::keyClicks(first, "Gas");
    QVERIFY(PracticeSession::waitForPage(w, [&] { QTest::keyClick(first, Qt::Key_PageDown); }));
    QCOMPARE(w->questionNumber(), 2);
    QCOMPARE(QApplication::focusWidget(), first);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->findChild<QWidget*>("FA2"));
    QTest::keyClicks(QApplication::focusWidget(), "Wood");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(s.answers()->messages, QStringList({"Paper saved"}));
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(102, {"Gas", "", "Wood", "", "", "", ""}));
    QVERIFY(PracticeSession::waitForPage(w, [&] { QTest::keyClick(first, Qt::Key_PageUp); }));
    QCOMPARE(w->questionNumber(), 1);
}

void TestPracticePanel::shortcutsAndTabReachTheToolbar()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget* first = w->findChild<QWidget*>("FA1");
    QTRY_COMPARE(QApplication::focusWidget(), first);
    // Tab goes round the toolbar buttons that can be pressed, the handle and the boxes.
    QSet<QString> reached;
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget()->isVisible());
        reached << QApplication::focusWidget()->objectName();
    }
    for (const char* name : {"ToolBar01", "ToolBar02", "ToolBar03", "ToolBar04", "ToolBar06",
                             "ImgHandle", "FA1"})
        QVERIFY2(reached.contains(name), name);
    QVERIFY(!reached.contains("ToolBar05")); // Back, not enabled on question 1
    auto* handle = w->findChild<PictureButton*>("ImgHandle");
    handle->setFocus(Qt::TabFocusReason);
    QTest::keyClick(handle, Qt::Key_Space);
    QVERIFY(!w->findChild<QWidget*>("AnsBox")->isVisible());
    QTest::keyClick(handle, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(w->findChild<QWidget*>("AnsBox")->isVisible());
    QCOMPARE(handle->toolTip(), QString("Hide answer sheet (Ctrl+H)"));

    // Escape asks what the Close button asks, from the page too; No keeps the window.
    first->setFocus();
    s.answer({2});
    QTest::keyClick(first, Qt::Key_Escape);
    QWidget* page = PracticeSession::viewOf(w)->focusProxy();
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Escape);
    QCOMPARE(s.answers()->messages, QStringList({"Confirm?", "Confirm?"}));
    QVERIFY(w->isVisible());
    s.answer({1});
    QTest::keyClick(first, Qt::Key_M, Qt::ControlModifier);
    QTRY_VERIFY(w->attempt().isMarked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier); // not enabled
    QCOMPARE(s.answers()->titles, QStringList({"Marking"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(s.answers()->messages.last(), QString("Confirm?"));
    QTRY_VERIFY(!w->isVisible());
}

ORLAVINE_GUI_TEST_MAIN(TestPracticePanel)
#include "tst_practicepanel.moc"
