#pragma once

#include <QString>

namespace orlavine::pack {

// Numbers as a pupil reads and writes them. Decimals are carried as whole numbers of
// tenths or hundredths so that every value is exact.

/// 47382 as "47,382"; negative numbers with a minus sign.
QString WithCommas(long long value);
/// A whole number of 1/10^places written as a decimal: (625, 2) is "6.25", (50, 2) "0.5",
/// (300, 2) "3". Trailing zeros are dropped.
QString DecimalText(long long scaled, int places);
/// As DecimalText, but always with exactly `places` decimals ("4.50"), for money.
QString FixedText(long long scaled, int places);
/// The number in words, British style: 352 is "three hundred and fifty-two".
QString NumberWords(int value);
/// The number in Roman numerals (1 to 3999), capital letters.
QString RomanNumeral(int value);
/// Greatest common divisor of two positive numbers.
int Gcd(int a, int b);
/// n/d in its simplest form ("2/3"); a whole number when d divides n.
QString SimplestFraction(int n, int d);
/// n/d as a mixed number ("2 3/4"), fraction part in its simplest form.
QString MixedNumber(int n, int d);
/// The HTML of a fraction drawn with a bar, for the question text.
QString FractionHtml(int n, int d);
/// The HTML of a mixed number (whole part and a drawn fraction).
QString MixedHtml(int whole, int n, int d);

} // namespace orlavine::pack
