#pragma once

#include <QByteArray>
#include <QDateTime>

namespace orlavine {

/// Reads a stored number: optional spaces, an optional sign, digits with an optional
/// decimal part, optional spaces. The decimal separator is "." or the system's.
/// Returns false for anything else (the empty text included).
bool ParseNumber(const QByteArray& text, double& value);

/// x rounded to one decimal place, halves to the even digit, judged on the exact value
/// of the double (6.25 gives 6.2, 66.666... gives 66.7).
double RoundToTenths(double x);

/// R1: x rounded to tenths, written in its shortest form with the system's decimal
/// separator ("66.7", "100", "0", "6.2").
QByteArray RoundedText(double x);

/// The percentage text of a marking: score / total * 100 as RoundedText.
QByteArray PercentText(int score, int total);

/// Hours:minutes:seconds without leading zeros, hours modulo 24 ("0:12:5").
QByteArray ElapsedText(qint64 seconds);

/// The date in the system's short date form.
QByteArray ShortDateText(const QDate& date);

} // namespace orlavine
