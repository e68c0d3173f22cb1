#include "chrome/framelayout.h"

#include "chrome/twips.h"

#include <cmath>

namespace orlavine {

namespace {

struct TitleOffsets {
    double title, icon, closeMargin, gap; // pixels
};

TitleOffsets OffsetsFor(FrameKind kind, double dpi)
{
    const double twip = dpi / 1440.0;
    const double himetric = HimetricToTwips(1) * twip;
    switch (kind) {
    case FrameKind::Main:
        return {450 * twip, 240 * himetric, 60 * twip, 30 * twip};
    case FrameKind::Practice:
        return {800 * himetric, 240 * himetric, 120 * himetric, 60 * himetric};
    case FrameKind::PopUp:
        break;
    }
    return {240 * twip, 0, 0, 0};
}

int Round(double x)
{
    return int(std::lround(x));
}

} // namespace

FramePieces LayOutFramePieces(QSize client, const FramePieces& pictures)
{
    const int cw = client.width();
    const int ch = client.height();
    FramePieces p;
    p.topLeft = QRect(QPoint(0, 0), pictures.topLeft.size());
    p.topRight = QRect(QPoint(cw - pictures.topRight.width(), 0), pictures.topRight.size());
    p.topCentre = QRect(p.topLeft.right() + 1, 0, p.topRight.left() - p.topLeft.right() - 1,
                        pictures.topCentre.height());

    p.bottomLeft = QRect(QPoint(0, ch - pictures.bottomLeft.height()), pictures.bottomLeft.size());
    p.left = QRect(0, p.topLeft.bottom() + 1, pictures.left.width(),
                   p.bottomLeft.top() - p.topLeft.bottom() - 1);

    p.bottomRight =
        QRect(QPoint(cw - pictures.bottomRight.width(), ch - pictures.bottomRight.height()),
              pictures.bottomRight.size());
    p.right = QRect(cw - pictures.right.width(), p.topRight.bottom() + 1, pictures.right.width(),
                    p.bottomRight.top() - p.topRight.bottom() - 1);

    p.bottom = QRect(p.bottomLeft.right() + 1, ch - pictures.bottom.height(),
                     p.bottomRight.left() - p.bottomLeft.right() - 1, pictures.bottom.height());
    return p;
}

TitleBarPlaces LayOutTitleBar(FrameKind kind, int clientWidth, const TitleBarSizes& sizes,
                              double dpi)
{
    const TitleOffsets o = OffsetsFor(kind, dpi);
    const auto centred = [&](double left, QSize size) {
        return QRect(Round(left), (sizes.barHeight - size.height()) / 2, size.width(),
                     size.height());
    };
    TitleBarPlaces places;
    places.title = centred(o.title, sizes.title);
    if (kind == FrameKind::PopUp)
        return places;
    places.icon = centred(o.icon, sizes.icon);
    double left = clientWidth - sizes.close.width() - o.closeMargin;
    places.close = centred(left, sizes.close);
    if (kind == FrameKind::Practice) {
        left -= o.gap + sizes.max.width();
        places.max = centred(left, sizes.max);
    }
    left -= o.gap + sizes.min.width();
    places.min = centred(left, sizes.min);
    return places;
}

QPolygon RoundedOutline(QSize size, FrameKind kind)
{
    const int w = size.width();
    const int h = size.height();
    QPolygon outline;
    outline << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0)
            << QPoint(w - 5, 0) << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 2, 3)
            << QPoint(w, 5);
    if (kind == FrameKind::PopUp) {
        outline << QPoint(w, h - 7) << QPoint(w - 2, h - 3) << QPoint(w - 3, h - 2)
                << QPoint(w - 7, h) << QPoint(7, h) << QPoint(3, h - 2) << QPoint(2, h - 3)
                << QPoint(0, h - 7);
    } else {
        outline << QPoint(w, h) << QPoint(0, h);
    }
    return outline;
}

QRect FitInside(const QRect& wanted, const QRect& area)
{
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(area.size()));
    fitted.moveLeft(qBound(area.left(), fitted.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(qBound(area.top(), fitted.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

} // namespace orlavine
