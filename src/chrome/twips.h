#pragma once

#include <QRect>

class QWidget;

namespace orlavine {

// The windows give many positions in twips (1/1440 inch, 15 per pixel at 96 dots per
// inch). These convert them to the widget's pixels with the logical dots per inch of
// the widget's screen, so the windows keep their proportions on any screen; Qt's own
// scaling (QT_SCALE_FACTOR) applies on top.

/// Hundredths of a millimetre (the other unit some offsets come in) in twips: 1440
/// twips make an inch, and so do 2540 hundredths of a millimetre.
constexpr double HimetricToTwips(double himetric)
{
    return himetric * 1440.0 / 2540.0;
}

/// Twips per pixel along x for `widget`'s screen (15 at 96 dpi).
double TwipsPerPixel(const QWidget* widget);

/// `twips` in pixels along x, rounded to the nearest pixel.
int Twips(double twips, const QWidget* widget);

/// `twips` in pixels along x, unrounded (for sums of several offsets).
double TwipsExact(double twips, const QWidget* widget);

/// A rectangle given in twips, in pixels.
QRect TwipsRect(double left, double top, double width, double height, const QWidget* widget);

/// `pixels` in twips along x.
double PixelsToTwips(double pixels, const QWidget* widget);

} // namespace orlavine
