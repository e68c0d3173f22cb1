// Time: clocks, 24-hour times, durations, timetables, the calendar.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

/// The ways to say the time on a clock in words: "twenty-five to nine" also with a space
/// for the hyphen, with "minutes" after the number, "a quarter", "o'clock" without its
/// apostrophe.
QStringList TimeInWords(int hour, int minute)
{
    const int h12 = (hour + 11) % 12 + 1;
    const int next = h12 % 12 + 1;
    if (minute == 0) {
        const QString words = NumberWords(h12);
        return {words + QStringLiteral(" o'clock"), words + QStringLiteral(" oclock"),
                words + QStringLiteral(" o clock")};
    }
    const int m = minute <= 30 ? minute : 60 - minute;
    const QString tail = (minute <= 30 ? QStringLiteral(" past ") : QStringLiteral(" to ")) +
                         NumberWords(minute <= 30 ? h12 : next);
    QStringList heads;
    if (m == 15) {
        heads = {QStringLiteral("quarter"), QStringLiteral("a quarter")};
    } else if (m == 30) {
        heads = {QStringLiteral("half")};
    } else {
        const QString words = NumberWords(m);
        QString spaced = words;
        spaced.replace(QLatin1Char('-'), QLatin1Char(' '));
        for (const QString& w : QStringList{words, spaced}) {
            if (!heads.contains(w))
                heads += {w, w + QStringLiteral(" minutes")};
        }
    }
    QStringList forms;
    for (const QString& head : heads)
        forms.append(head + tail);
    return forms;
}

QString Clock24(int hour, int minute)
{
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

/// A 24-hour time as hh:mm, said beside the line; a morning hour also without its
/// leading zero ("9:05"), which cannot be read as any other time.
Part TimePart(const QString& prompt, int minutesAfterMidnight)
{
    const int hour = minutesAfterMidnight / 60;
    const int minute = minutesAfterMidnight % 60;
    const QString form = QStringLiteral("as hh:mm");
    if (hour >= 10)
        return FormPart(prompt, 'R', Clock24(hour, minute), form);
    return FormPart(prompt, 'M',
                    QLatin1Char(';') + Clock24(hour, minute) + QLatin1Char(';') +
                        QStringLiteral("%1:%2").arg(hour).arg(minute, 2, 10, QLatin1Char('0')),
                    form);
}

Question ClockInWords(Prng& rng)
{
    const int hour = rng.range(1, 12);
    const int minute = rng.range(0, 11) * 5;
    Question q =
        Make(Para(QStringLiteral("What time does the clock show? Write the time in words.")),
             {AlternativesPart(QString(), TimeInWords(hour, minute))},
             QStringLiteral("Write it like <i>quarter past six</i>, <i>twenty-five to nine</i> or "
                            "<i>three o'clock</i>."));
    q.pictures = {Clock(hour, minute)};
    return q;
}

Question ClockAfternoon(Prng& rng)
{
    const int hour = rng.range(13, 21);
    const int minute = rng.range(0, 11) * 5;
    Question q = Make(Para(QStringLiteral("It is the afternoon or evening. Write the time on the "
                                          "clock in 24-hour time.")),
                      {TimePart(QString(), hour * 60 + minute)});
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
                {MeasurePart(QStringLiteral("How many minutes does the journey take?"), length, 0,
                             units::kMinutes)});
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
        {MeasurePart(QStringLiteral("How long does the bus take from the %1 to the %2, in minutes?")
                         .arg(stops.at(0), stops.at(3)),
                     times.at(3) - times.at(0), 0, units::kMinutes),
         TimePart(
             QStringLiteral("The bus is 15 minutes late at the %1. At what time does it get there?")
                 .arg(stops.at(2)),
             times.at(2) + 15)});
}

Question TimeUnits(Prng& rng)
{
    const int hours = rng.range(2, 5);
    const int minutes = rng.range(2, 9);
    const int days = rng.range(2, 7);
    return Make(
        Para(QStringLiteral("Fill in the missing numbers.")),
        {MeasurePart(QStringLiteral("%1 and a half hours = &#9633; minutes").arg(hours),
                     hours * 60 + 30, 0, units::kMinutes),
         MeasurePart(QStringLiteral("%1 minutes = &#9633; seconds").arg(minutes), minutes * 60, 0,
                     units::kSeconds),
         MeasurePart(QStringLiteral("%1 days = &#9633; hours").arg(days), days * 24, 0,
                     units::kHours)});
}

Question Months(Prng& rng)
{
    static const QStringList months = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
    const int start = rng.range(0, 11);
    const int ahead = rng.range(3, 9);
    const QString month = months.at((start + ahead) % 12);
    // The name, or its usual short form ("Aug", "Sept").
    QStringList forms = {month};
    if (month.size() > 4)
        forms.append(month.left(3));
    if (month == QLatin1String("September"))
        forms.append(QStringLiteral("Sept"));
    return Make(Para(QStringLiteral("It is <b>%1</b>. What month will it be in %2 months' time?")
                         .arg(months.at(start))
                         .arg(ahead)),
                {forms.size() == 1 ? WordPart(QString(), month)
                                   : AlternativesPart(QString(), forms)});
}

Question To24Hour(Prng& rng)
{
    const int hour = rng.range(1, 11);
    const int minute = rng.range(0, 59);
    const bool pm = rng.chance(60);
    return Make(Para(QStringLiteral("Write <b>%1:%2 %3</b> in 24-hour time.")
                         .arg(hour)
                         .arg(minute, 2, 10, QLatin1Char('0'))
                         .arg(pm ? "pm" : "am")),
                {TimePart(QString(), (pm ? hour + 12 : hour) * 60 + minute)});
}

} // namespace

QList<Generator> TimeKinds()
{
    return {ClockInWords, ClockAfternoon, Journey, Timetable, TimeUnits, Months, To24Hour};
}

} // namespace orlavine::pack
