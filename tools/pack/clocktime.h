#pragma once

#include "question.h"

#include <QStringList>

namespace orlavine::pack {

// Times of day, given as minutes after midnight, as questions and their working write them.

/// "09:05": the time as hh:mm.
QString At(int minutesAfterMidnight);
/// A time answered as hh:mm, said beside the line; a morning hour also without its
/// leading zero ("9:05"), which cannot be read as any other time.
Part TimePart(const QString& prompt, int minutesAfterMidnight, int marks = 1);
/// The times a pupil counts on through, from `from` to `to`: the next whole hour, the last
/// whole hour before `to`, where they fall between.
QList<int> CountOnStops(int from, int to);
/// The working of counting on from `from` to `to`: the jumps, then their sum in minutes.
QStringList CountOn(int from, int to);
/// "2 hours 15 minutes", "45 minutes", "1 hour".
QString HoursAndMinutes(int minutes);

} // namespace orlavine::pack
