#pragma once

#include <QtGlobal>

namespace orlavine {

/// The practice windows are laid out in twips, 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

/// Twips to whole pixels, rounded to the nearest (-10 twips is -1 pixel).
inline int Px(int twips) { return qRound(double(twips) / kTwipsPerPixel); }

} // namespace orlavine
