// Time: clocks, 24-hour times, durations, timetables, the calendar.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

QString TimeInWords(int hour, int minute)
{
    const int h12 = (hour + 11) % 12 + 1;
    const int next = h12 % 12 + 1;
    auto minutesWords = [](int m) {
        if (m == 15)
            return QStringLiteral("quarter");
        if (m == 30)
            return QStringLiteral("half");
        return NumberWords(m);
    };
    if (minute == 0)
        return NumberWords(h12) + QStringLiteral(" o'clock");
    if (minute <= 30)
        return minutesWords(minute) + QStringLiteral(" past ") + NumberWords(h12);
    return minutesWords(60 - minute) + QStringLiteral(" to ") + NumberWords(next);
}

QString Clock24(int hour, int minute)
{
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

Question ClockInWords(Prng& rng)
{
    const int hour = rng.range(1, 12);
    const int minute = rng.range(0, 11) * 5;
    Question q =
        Make(Para(QStringLiteral("What time does the clock show? Write the time in words.")),
             {LongPart(QString(), TimeInWords(hour, minute))},
             QStringLiteral("Write it like <i>quarter past six</i>, <i>twenty-five to nine</i> or "
                            "<i>three o'clock</i>."));
    q.pictures = {Clock(hour, minute)};
    return q;
}

Question ClockAfternoon(Prng& rng)
{
    const int hour = rng.range(13, 21);
    const int minute = rng.range(0, 11) * 5;
    Question q =
        Make(Para(QStringLiteral(
                 "It is the afternoon or evening. Write the time on the clock in 24-hour time.")),
             {ExactPart(QString(), 'R', Clock24(hour, minute))},
             QStringLiteral("Write it with a colon, like 14:05."));
    q.pictures = {Clock(hour, minute)};
    return q;
}

Question Journey(Prng& rng)
{
    const int start = rng.range(7 * 12, 16 * 12) * 5; // minutes after midnight
    const int length = rng.range(4, 23) * 5;
    const int end = start + length;
    return Make(Para(QStringLiteral("A train leaves at <b>%1</b> and arrives at <b>%2</b>.")
                         .arg(Clock24(start / 60, start % 60), Clock24(end / 60, end % 60))),
                {NumberPart(QStringLiteral("How many minutes does the journey take?"), length)});
}

Question Timetable(Prng& rng)
{
    static const QStringList stops = {"Station", "Market", "Library", "Park", "School"};
    int time = rng.range(8 * 12, 15 * 12) * 5;
    QList<QStringList> rows;
    QList<int> times;
    for (int i = 0; i < 4; ++i) {
        times.append(time);
        rows.append({stops.at(i), Clock24(time / 60, time % 60)});
        time += rng.range(2, 5) * 5 + 2;
    }
    return Make(
        Para(QStringLiteral("Here is part of a bus timetable.")) +
            DataTable({"Bus stop", "Time"}, rows),
        {NumberPart(QStringLiteral("How long does the bus take from the %1 to the %2, in minutes?")
                        .arg(stops.at(0), stops.at(3)),
                    times.at(3) - times.at(0)),
         ExactPart(
             QStringLiteral("The bus is 15 minutes late at the %1. At what time does it get there?")
                 .arg(stops.at(2)),
             'R', Clock24((times.at(2) + 15) / 60, (times.at(2) + 15) % 60))},
        QStringLiteral("Write times with a colon, like 09:45."));
}

Question TimeUnits(Prng& rng)
{
    const int hours = rng.range(2, 5);
    const int minutes = rng.range(2, 9);
    const int days = rng.range(2, 7);
    return Make(
        Para(QStringLiteral("Fill in the missing numbers.")),
        {NumberPart(QStringLiteral("%1 and a half hours = &#9633; minutes").arg(hours),
                    hours * 60 + 30),
         NumberPart(QStringLiteral("%1 minutes = &#9633; seconds").arg(minutes), minutes * 60),
         NumberPart(QStringLiteral("%1 days = &#9633; hours").arg(days), days * 24)});
}

Question Months(Prng& rng)
{
    static const QStringList months = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
    const int start = rng.range(0, 11);
    const int ahead = rng.range(3, 9);
    return Make(Para(QStringLiteral("It is <b>%1</b>. What month will it be in %2 months' time?")
                         .arg(months.at(start))
                         .arg(ahead)),
                {WordPart(QString(), months.at((start + ahead) % 12))});
}

Question To24Hour(Prng& rng)
{
    const int hour = rng.range(1, 11);
    const int minute = rng.range(0, 59);
    const bool pm = rng.chance(60);
    return Make(
        Para(QStringLiteral("Write <b>%1:%2 %3</b> in 24-hour time.")
                 .arg(hour)
                 .arg(minute, 2, 10, QLatin1Char('0'))
                 .arg(pm ? "pm" : "am")),
        {ExactPart(QString(), 'R', Clock24(pm ? hour + 12 : hour, minute))},
        QStringLiteral("Write it with a colon and two digits for the hour, like 09:05 or 14:30."));
}

} // namespace

QList<Generator> TimeKinds()
{
    return {ClockInWords, ClockAfternoon, Journey, Timetable, TimeUnits, Months, To24Hour};
}

} // namespace orlavine::pack
