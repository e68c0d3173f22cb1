#pragma once

#include <QPolygon>
#include <QRect>
#include <QSize>

namespace orlavine {

// The geometry of the skinned frame, as pure functions of the window's size so that it
// can be checked without a window.

/// The three kinds of skinned window: the main window, the practice windows (with a
/// maximise button and their own offsets) and the pop-up box (no icon, no buttons).
enum class FrameKind { Main, Practice, PopUp };

/// One rectangle per frame piece: the top bar's left end, stretched middle and right end,
/// the two sides and the bottom's left corner, stretched middle and right corner.
struct FramePieces {
    QRect topLeft, topCentre, topRight;
    QRect left, right;
    QRect bottomLeft, bottom, bottomRight;
};

/// Places the frame pieces around a client area of `client` size; `pictures` holds each
/// piece's picture size (only its size is read). Corner pieces keep their picture size;
/// the top middle, the sides and the bottom middle stretch between them.
FramePieces LayOutFramePieces(QSize client, const FramePieces& pictures);

/// Sizes of the top bar's contents; a kind without some item ignores its size.
struct TitleBarSizes {
    int barHeight = 0; // height of the top bar's right end
    QSize title, icon, close, max, min;
};

/// Where the top bar's contents stand; items a kind lacks are empty rectangles.
struct TitleBarPlaces {
    QRect title, icon, close, max, min;
};

/// Places title, icon and buttons on the top bar of a window `clientWidth` wide, each
/// vertically centred on the bar. Offsets are the kind's own (main window: title 450
/// twips, icon 240 hundredths of a millimetre, close 60 twips from the right edge, 30
/// twips between buttons; practice windows: 800, 240, 120 and 60 hundredths of a
/// millimetre; pop-up box: title 240 twips), converted with `dpi` dots per inch.
TitleBarPlaces LayOutTitleBar(FrameKind kind, int clientWidth, const TitleBarSizes& sizes,
                              double dpi);

/// The window outline for a window of `size` pixels: rounded top corners and square bottom
/// corners (12 points) for the main and practice windows, four rounded corners with wider
/// bottom ones (18 points) for the pop-up box. The points are the design's, used as listed
/// (the top-right curve is one pixel narrower than the top-left one).
QPolygon RoundedOutline(QSize size, FrameKind kind);

/// `wanted` made no larger than `area` and then moved, as little as it takes, to lie
/// inside it: where a window opens or comes back on the screen's available area.
QRect FitInside(const QRect& wanted, const QRect& area);

} // namespace orlavine
