#include "chrome/twips.h"

#include <QWidget>

#include <cmath>

namespace orlavine {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double Dpi(const QWidget* widget)
{
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

double TwipsPerPixel(const QWidget* widget)
{
    return kTwipsPerInch / Dpi(widget);
}

double TwipsExact(double twips, const QWidget* widget)
{
    return twips * Dpi(widget) / kTwipsPerInch;
}

int Twips(double twips, const QWidget* widget)
{
    return int(std::lround(TwipsExact(twips, widget)));
}

QRect TwipsRect(double left, double top, double width, double height, const QWidget* widget)
{
    return QRect(Twips(left, widget), Twips(top, widget), Twips(width, widget),
                 Twips(height, widget));
}

double PixelsToTwips(double pixels, const QWidget* widget)
{
    return pixels * TwipsPerPixel(widget);
}

} // namespace orlavine
