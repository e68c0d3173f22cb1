// The frame's geometry as pure functions: pieces, title bar, rounded outline.
#include "chrome/framelayout.h"

#include <QtTest>

using namespace orlavine;

class TestFrameLayout : public QObject {
    Q_OBJECT

  private slots:
    void piecesAroundTheClientArea();
    void mainTitleBar();
    void practiceTitleBar();
    void popUpTitle();
    void titleBarFollowsDpi();
    void mainOutline();
    void popUpOutline();
    void windowFitsTheArea();
};

namespace {

FramePieces SkinSizes()
{
    FramePieces sizes;
    sizes.topLeft.setSize({8, 30});
    sizes.topCentre.setSize({8, 30});
    sizes.topRight.setSize({8, 30});
    sizes.left.setSize({5, 8});
    sizes.right.setSize({5, 8});
    sizes.bottomLeft.setSize({5, 5});
    sizes.bottom.setSize({8, 5});
    sizes.bottomRight.setSize({5, 5});
    return sizes;
}

TitleBarSizes Buttons()
{
    TitleBarSizes sizes;
    sizes.barHeight = 30;
    sizes.title = {120, 16};
    sizes.icon = {16, 16};
    sizes.close = sizes.max = sizes.min = {21, 21};
    return sizes;
}

} // namespace

void TestFrameLayout::piecesAroundTheClientArea()
{
    const FramePieces p = LayOutFramePieces({400, 300}, SkinSizes());
    QCOMPARE(p.topLeft, QRect(0, 0, 8, 30));
    QCOMPARE(p.topRight, QRect(392, 0, 8, 30));
    QCOMPARE(p.topCentre, QRect(8, 0, 384, 30));
    QCOMPARE(p.bottomLeft, QRect(0, 295, 5, 5));
    QCOMPARE(p.left, QRect(0, 30, 5, 265));
    QCOMPARE(p.bottomRight, QRect(395, 295, 5, 5));
    QCOMPARE(p.right, QRect(395, 30, 5, 265));
    QCOMPARE(p.bottom, QRect(5, 295, 390, 5));
}

void TestFrameLayout::mainTitleBar()
{
    const TitleBarPlaces t = LayOutTitleBar(FrameKind::Main, 405, Buttons(), 96);
    QCOMPARE(t.title, QRect(30, 7, 120, 16));
    QCOMPARE(t.icon, QRect(9, 7, 16, 16));
    QCOMPARE(t.close, QRect(405 - 21 - 4, 4, 21, 21));
    QCOMPARE(t.min, QRect(405 - 21 - 4 - 2 - 21, 4, 21, 21));
    QVERIFY(t.max.isNull());
}

void TestFrameLayout::practiceTitleBar()
{
    // 120 and 60 hundredths of a millimetre are 4.5 and 2.3 pixels at 96 dpi.
    const TitleBarPlaces t = LayOutTitleBar(FrameKind::Practice, 800, Buttons(), 96);
    QCOMPARE(t.title.left(), 30);
    QCOMPARE(t.icon.left(), 9);
    QCOMPARE(t.close.left(), 774); // 800 - 21 - 4.54
    QCOMPARE(t.max.left(), 751);   // 774.46 - 2.27 - 21
    QCOMPARE(t.min.left(), 728);   // 751.20 - 2.27 - 21
    QCOMPARE(t.max.top(), 4);
}

void TestFrameLayout::popUpTitle()
{
    const TitleBarPlaces t = LayOutTitleBar(FrameKind::PopUp, 265, Buttons(), 96);
    QCOMPARE(t.title.topLeft(), QPoint(16, 7));
    QVERIFY(t.close.isNull() && t.icon.isNull() && t.min.isNull());
}

void TestFrameLayout::titleBarFollowsDpi()
{
    const TitleBarPlaces t = LayOutTitleBar(FrameKind::Main, 810, Buttons(), 192);
    QCOMPARE(t.title.left(), 60);
    QCOMPARE(t.close.left(), 810 - 21 - 8);
}

void TestFrameLayout::mainOutline()
{
    const QPolygon outline = RoundedOutline({405, 492}, FrameKind::Main);
    const QPolygon expected({{0, 5},
                             {1, 3},
                             {2, 2},
                             {3, 1},
                             {5, 0},
                             {400, 0},
                             {402, 1},
                             {403, 2},
                             {403, 3},
                             {405, 5},
                             {405, 492},
                             {0, 492}});
    QCOMPARE(outline, expected);
}

void TestFrameLayout::popUpOutline()
{
    const QPolygon outline = RoundedOutline({265, 150}, FrameKind::PopUp);
    const QPolygon expected({{0, 5},
                             {1, 3},
                             {2, 2},
                             {3, 1},
                             {5, 0},
                             {260, 0},
                             {262, 1},
                             {263, 2},
                             {263, 3},
                             {265, 5},
                             {265, 143},
                             {263, 147},
                             {262, 148},
                             {258, 150},
                             {7, 150},
                             {3, 148},
                             {2, 147},
                             {0, 143}});
    QCOMPARE(outline, expected);
    // The cut corners: the very corner pixels lie outside, the middle inside.
    const QRegion region(outline, Qt::WindingFill);
    QVERIFY(!region.contains(QPoint(0, 0)));
    QVERIFY(!region.contains(QPoint(264, 149)));
    QVERIFY(!region.contains(QPoint(0, 149)));
    QVERIFY(region.contains(QPoint(132, 75)));
}

void TestFrameLayout::windowFitsTheArea()
{
    const QRect area(0, 30, 1280, 994); // a screen under a 30-pixel panel
    QCOMPARE(FitInside(QRect(100, 100, 800, 600), area), QRect(100, 100, 800, 600));
    QCOMPARE(FitInside(QRect(-189, 100, 800, 600), area), QRect(0, 100, 800, 600));
    QCOMPARE(FitInside(QRect(900, 10, 800, 600), area), QRect(480, 30, 800, 600));
    QCOMPARE(FitInside(QRect(400, 300, 1600, 1200), area), area);
}

QTEST_MAIN(TestFrameLayout)
#include "tst_framelayout.moc"
