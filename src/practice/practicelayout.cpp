#include "practice/practicelayout.h"

#include "chrome/twips.h"

namespace orlavine {

namespace {

int Px(double twips, double twipsPerPixel)
{
    return qRound(twips / twipsPerPixel);
}

} // namespace

PracticePlaces LayOutPractice(const PracticeSizes& s)
{
    const double tpp = s.twipsPerPixel;
    const int cw = s.client.width();
    const int ch = s.client.height();
    PracticePlaces p;
    p.sizer = QRect(QPoint(cw - s.sizer.width(), ch - s.sizer.height()), s.sizer);

    p.toolbar = QRect(s.leftSide, s.topBar, cw - s.leftSide - s.rightSide, s.toolbarHeight);
    const int buttonTop = (s.toolbarHeight - s.button.height()) / 2;
    const int gap = Px(120, tpp);
    int left = gap;
    for (int slot : {SaveSlot, MarkSlot, PrintSlot, CloseSlot}) {
        p.buttons[slot] = QRect(QPoint(left, buttonTop), s.button);
        left += s.button.width() + gap;
    }
    const int nextLeft = p.toolbar.width() - gap - s.button.width();
    p.buttons[NextSlot] = QRect(QPoint(nextLeft, buttonTop), s.button);
    p.buttons[BackSlot] = QRect(QPoint(nextLeft - gap - s.button.width(), buttonTop), s.button);
    p.buttons[SolutionSlot] =
        QRect(QPoint(nextLeft - 2 * (gap + s.button.width()), buttonTop), s.button);

    PlaceSheet(p, s, true);
    return p;
}

void PlaceSheet(PracticePlaces& p, const PracticeSizes& s, bool shown)
{
    const int cw = s.client.width();
    const int top = p.toolbar.bottom() + 1;
    const int height = s.client.height() - top - s.bottom;
    const int viewerHeight = height - s.remBarHeight;
    const int sheetLeft = shown ? cw - s.sheetWidth - s.rightSide : cw;
    const int handleLeft = shown ? sheetLeft - s.handleWidth : cw - s.handleWidth - s.rightSide;
    p.sheet = QRect(sheetLeft, top, s.sheetWidth, height);
    p.handle = QRect(handleLeft, top, s.handleWidth, height);
    p.viewer = QRect(s.leftSide, top, handleLeft - s.leftSide, viewerHeight);
    p.remBar = QRect(s.leftSide, top + viewerHeight, p.viewer.width(), s.remBarHeight);

    const double tpp = s.twipsPerPixel;
    const int titleTop = top + Px(HimetricToTwips(120), tpp);
    const int titleWidth = p.viewer.width() - Px(HimetricToTwips(640), tpp);
    p.questionTitle = QRect(s.leftSide, titleTop, qMax(0, titleWidth), s.titleHeight);
}

QSize MinimumCornerSize(double twipsPerPixel)
{
    return QSize(Px(7300, twipsPerPixel), Px(5000, twipsPerPixel));
}

EdgeZones ZonesAt(QPoint point, QSize size)
{
    EdgeZones z;
    z.left = point.x() < kEdgeZone;
    z.right = point.x() > size.width() - kEdgeZone;
    z.top = point.y() < kEdgeZone;
    z.bottom = point.y() > size.height() - kEdgeZone;
    return z;
}

Qt::CursorShape SizingPointer(QPoint point, QSize size)
{
    const EdgeZones z = ZonesAt(point, size);
    if ((z.top && z.left) || (z.bottom && z.right))
        return Qt::SizeFDiagCursor;
    if ((z.bottom && z.left) || (z.top && z.right))
        return Qt::SizeBDiagCursor;
    if (z.top || z.bottom)
        return Qt::SizeVerCursor;
    if (z.left || z.right)
        return Qt::SizeHorCursor;
    return Qt::ArrowCursor;
}

QSize CornerDragSize(QPoint pointer, QSize current, double twipsPerPixel)
{
    // The pointer must be well inside the window (more than twice the zone from its
    // left and top edges) before it counts at all.
    if (pointer.x() <= 2 * kEdgeZone || pointer.y() <= 2 * kEdgeZone)
        return current;
    const QSize minimum = MinimumCornerSize(twipsPerPixel);
    QSize size = current;
    if (pointer.x() > minimum.width())
        size.setWidth(pointer.x());
    if (pointer.y() > minimum.height())
        size.setHeight(pointer.y());
    return size;
}

} // namespace orlavine
