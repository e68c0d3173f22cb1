#pragma once

#include "question.h"

namespace orlavine::pack {

// The forms in which a pupil who is right writes an answer. The marking rules compare an
// answer with each alternative of a key as text (spaces round it and letter case aside),
// so a key lists every common form: the number with and without its unit, thousands
// written 1050, 1,050 or 1 050, trailing zeros, any equivalent fraction.

/// A unit written with a number: how the page shows it by the answer line and the ways
/// a pupil writes it. A unit before the number (£) is written before it.
struct Unit {
    QString shown;       // HTML by the answer line, empty for none
    QStringList written; // the ways to write it, the first the usual one
    bool before = false; // written before the number, as £
};

namespace units {
extern const Unit kNone;
extern const Unit kMm, kCm, kM, kKm;
extern const Unit kG, kKg, kMl, kLitres;
extern const Unit kSquareCm, kSquareM, kCubicCm;
extern const Unit kDegrees, kCelsius, kPercent;
extern const Unit kPounds, kPence;
extern const Unit kSeconds, kMinutes, kHours, kDays;
extern const Unit kPupils; // a count of pupils, also written "children"
} // namespace units

/// The ways to write the decimal scaled / 10^places: thousands with and without a comma
/// or a space, and, for a value that is not whole, with a trailing zero to two places
/// and without the leading zero (".5"); a whole value also as "14.0" and "14.00".
QStringList NumberForms(long long scaled, int places);

/// Each of `numbers` alone and with each written form of `unit`, with and without a
/// space between.
QStringList WithUnit(const QStringList& numbers, const Unit& unit);
/// The number forms of scaled / 10^places with and without `unit` (WithUnit).
QStringList MeasureForms(long long scaled, int places, const Unit& unit);

/// The forms of n/d: every equivalent fraction with a denominator up to 100 (only n/d
/// itself when `simplestOnly`), each also with spaces round the bar.
QStringList FractionForms(int n, int d, bool simplestOnly);

/// The forms of the mixed number whole n/d (n < d): its fraction part in every equivalent
/// form (or only as given when `simplestOnly`), one space after the whole part.
QStringList MixedForms(int whole, int n, int d, bool simplestOnly);

/// The forms of coefficient × letter ("4m"): the number first or last, with nothing, a
/// space, ×, x, * or a dot between.
QStringList ProductForms(int coefficient, const QString& letter);

// Parts whose key accepts every common form. The unit is shown on the page right after
// the part's answer line.

/// A number, with its unit when it has one: type N where a bare number of any form
/// reads as one (no unit, under 1,000), otherwise type M with every form.
Part MeasurePart(const QString& prompt, long long scaled, int places, const Unit& unit,
                 int marks = 1);
/// A fraction n/d; `simplestOnly` when the page asks for the simplest form.
Part FractionAnswerPart(const QString& prompt, int n, int d, bool simplestOnly, int marks = 1);
/// A mixed number; `simplestOnly` when the page asks for the simplest form.
Part MixedAnswerPart(const QString& prompt, int whole, int n, int d, bool simplestOnly,
                     int marks = 1);
/// A product of a number and a letter, such as 4m.
Part ProductPart(const QString& prompt, int coefficient, const QString& letter, int marks = 1);
/// An answer that must take one exact form (a time as 09:05, coordinates): `form` says
/// which, beside the answer line ("as hh:mm").
Part FormPart(const QString& prompt, char type, const QString& key, const QString& form,
              int marks = 1);

} // namespace orlavine::pack
