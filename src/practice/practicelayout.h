#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace orlavine {

// The geometry of a practice window as pure functions of its size, so it can be checked
// without a window. Everything is in pixels; offsets given in twips or hundredths
// of a millimetre are converted with the screen's twips per pixel.

/// Sizes the layout starts from: the window's client size, its frame pieces and its parts.
struct PracticeSizes {
    QSize client;
    int topBar = 0;    // height of the top frame piece
    int leftSide = 0;  // width of BLeft
    int rightSide = 0; // width of BRight
    int bottom = 0;    // height of BBot
    int toolbarHeight = 0;
    QSize button; // a toolbar button's picture
    int remBarHeight = 0;
    int titleHeight = 0; // the bar holding QnTitle
    int sheetWidth = 0;  // AnsBox
    int handleWidth = 0; // PicHideAns
    QSize sizer;
    double twipsPerPixel = 15;
};

/// Toolbar buttons: the design's six in their order on the strip, then the worked
/// solution's, which stands left of Back.
enum ToolbarSlot { SaveSlot, MarkSlot, PrintSlot, CloseSlot, BackSlot, NextSlot, SolutionSlot };
constexpr int kToolbarSlots = SolutionSlot + 1;

/// Where each part stands.
struct PracticePlaces {
    QRect toolbar;
    std::array<QRect, kToolbarSlots> buttons; // by ToolbarSlot
    QRect sheet;                  // AnsBox
    QRect handle;                 // PicHideAns
    QRect viewer;                 // brwWebBrowser
    QRect remBar;                 // TxtRem, below the viewer
    QRect questionTitle;          // the bar holding QnTitle, over the viewer's top
    QRect sizer;                  // Sizer, in the bottom-right corner
};

/// LayOutPracticeWindow: the toolbar strip below the title bar with Save, Mark, Print and
/// Close from the left (120 twips apart) and Back and Next at its right end (Next 120
/// twips from the end), the worked solution's button left of Back; the answer sheet at the right border with its handle strip just
/// left of it; the viewer from the left border to the strip, above the remaining-questions
/// bar, which stands on the bottom piece; the question title over the viewer's top.
PracticePlaces LayOutPractice(const PracticeSizes& sizes);

/// ToggleAnswerSheet's placing: with `shown` as LayOutPractice places it; hidden, the
/// sheet moves out of view past the right edge, the handle strip stands at the right
/// border and the viewer and the bar below it widen by the sheet's width.
void PlaceSheet(PracticePlaces& places, const PracticeSizes& sizes, bool shown);

/// Resizing by the corner: the edge zone (6 pixels) and the smallest size it reaches
/// (7300 x 5000 twips).
constexpr int kEdgeZone = 6;
QSize MinimumCornerSize(double twipsPerPixel);

/// Which edge zones a point of a window of `size` lies in.
struct EdgeZones {
    bool left = false, top = false, right = false, bottom = false;
    bool corner() const { return (left || right) && (top || bottom); }
};
EdgeZones ZonesAt(QPoint point, QSize size);

/// ShowSizingPointer: the pointer shape for a point of the window.
Qt::CursorShape SizingPointer(QPoint point, QSize size);

/// One step of ResizeByCorner: the window's new size for the pointer at `pointer`
/// (relative to the window's top-left corner). Each of width and height follows the
/// pointer only while it stays above its minimum; below, it keeps `current`.
QSize CornerDragSize(QPoint pointer, QSize current, double twipsPerPixel);

} // namespace orlavine
