// The practice window's geometry: toolbar, sheet and viewer, the panel toggle, the edge
// zones, the sizing pointers and the corner drag with its minimum size.
#include "practice/practicelayout.h"

#include <QtTest>

using namespace orlavine;

namespace {

PracticeSizes Sizes(QSize client = QSize(800, 600))
{
    PracticeSizes s;
    s.client = client;
    s.topBar = 30;
    s.leftSide = 5;
    s.rightSide = 5;
    s.bottom = 5;
    s.toolbarHeight = 56;
    s.button = QSize(56, 50);
    s.remBarHeight = 24;
    s.titleHeight = 20;
    s.sheetWidth = 280;
    s.handleWidth = 10;
    s.sizer = QSize(14, 14);
    return s;
}

} // namespace

class TestPracticeLayout : public QObject {
    Q_OBJECT

  private slots:
    void toolbarButtons();
    void sheetViewerAndBar();
    void toggleMovesTheSheet();
    void pointerShapes_data();
    void pointerShapes();
    void cornerDragKeepsMinimum();
};

void TestPracticeLayout::toolbarButtons()
{
    const PracticePlaces p = LayOutPractice(Sizes());
    QCOMPARE(p.toolbar, QRect(5, 30, 790, 56));
    QCOMPARE(p.buttons[SaveSlot].left(), 8); // 120 twips
    QCOMPARE(p.buttons[MarkSlot].left(), 8 + 56 + 8);
    QCOMPARE(p.buttons[CloseSlot].left(), 8 + 3 * (56 + 8));
    QCOMPARE(p.buttons[NextSlot].right() + 1, 790 - 8);
    QCOMPARE(p.buttons[BackSlot].right() + 1, p.buttons[NextSlot].left() - 8);
    QCOMPARE(p.buttons[SaveSlot].top(), 3);
}

void TestPracticeLayout::sheetViewerAndBar()
{
    const PracticePlaces p = LayOutPractice(Sizes());
    QCOMPARE(p.sheet, QRect(800 - 280 - 5, 86, 280, 600 - 86 - 5));
    QCOMPARE(p.handle.right() + 1, p.sheet.left());
    QCOMPARE(p.viewer, QRect(5, 86, 800 - 280 - 10 - 5 - 5, 600 - 86 - 24 - 5));
    QCOMPARE(p.remBar, QRect(5, p.viewer.bottom() + 1, p.viewer.width(), 24));
    QCOMPARE(p.remBar.bottom() + 1, 600 - 5); // on the bottom piece
    QCOMPARE(p.questionTitle.top(), 86 + 5);  // 120 hundredths of a millimetre
    QCOMPARE(p.questionTitle.width(), p.viewer.width() - 24);
    QCOMPARE(p.sizer, QRect(786, 586, 14, 14));
}

void TestPracticeLayout::toggleMovesTheSheet()
{
    const PracticeSizes s = Sizes();
    PracticePlaces p = LayOutPractice(s);
    const int shownWidth = p.viewer.width();
    PlaceSheet(p, s, false);
    QCOMPARE(p.sheet.left(), 800);
    QCOMPARE(p.handle.left(), 800 - 10 - 5);
    QCOMPARE(p.viewer.width(), 800 - 10 - 5 - 5);
    QCOMPARE(p.viewer.width() - shownWidth, 280);
    QCOMPARE(p.remBar.width(), p.viewer.width());
    PlaceSheet(p, s, true);
    QCOMPARE(p.viewer.width(), shownWidth);
    QCOMPARE(p.sheet, LayOutPractice(s).sheet);
}

void TestPracticeLayout::pointerShapes_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("shape");
    QTest::newRow("inside") << QPoint(400, 300) << int(Qt::ArrowCursor);
    QTest::newRow("left edge") << QPoint(2, 300) << int(Qt::SizeHorCursor);
    QTest::newRow("right edge") << QPoint(797, 300) << int(Qt::SizeHorCursor);
    QTest::newRow("top edge") << QPoint(400, 3) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom edge") << QPoint(400, 598) << int(Qt::SizeVerCursor);
    QTest::newRow("top left") << QPoint(1, 1) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom right") << QPoint(798, 598) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom left") << QPoint(1, 598) << int(Qt::SizeBDiagCursor);
    QTest::newRow("top right") << QPoint(798, 1) << int(Qt::SizeBDiagCursor);
    QTest::newRow("just inside the zone") << QPoint(6, 300) << int(Qt::ArrowCursor);
}

void TestPracticeLayout::pointerShapes()
{
    QFETCH(QPoint, point);
    QFETCH(int, shape);
    QCOMPARE(int(SizingPointer(point, QSize(800, 600))), shape);
}

void TestPracticeLayout::cornerDragKeepsMinimum()
{
    const QSize minimum = MinimumCornerSize(15);
    QCOMPARE(minimum, QSize(487, 333)); // 7300 x 5000 twips
    const QSize now(800, 600);
    QCOMPARE(CornerDragSize(QPoint(700, 500), now, 15), QSize(700, 500));
    QCOMPARE(CornerDragSize(QPoint(900, 650), now, 15), QSize(900, 650));
    // Below the minimum a side keeps the size it had; the other still follows.
    QCOMPARE(CornerDragSize(QPoint(400, 500), QSize(500, 600), 15), QSize(500, 500));
    QCOMPARE(CornerDragSize(QPoint(600, 200), QSize(500, 400), 15), QSize(600, 400));
    QCOMPARE(CornerDragSize(QPoint(487, 333), QSize(500, 400), 15), QSize(500, 400));
    // The pointer near the window's left or top edge is not followed at all.
    QCOMPARE(CornerDragSize(QPoint(10, 500), now, 15), now);
    QVERIFY(ZonesAt(QPoint(798, 598), now).corner());
    QVERIFY(!ZonesAt(QPoint(2, 300), now).corner());
}

QTEST_GUILESS_MAIN(TestPracticeLayout)
#include "tst_practicelayout.moc"
