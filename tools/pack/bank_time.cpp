// Time: clocks, 24-hour times, durations, timetables, the calendar.
#include "banks.h"

#include "clocktime.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

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

/// An empty number line of times with the jumps CountOn makes: to the hour, whole hours,
/// then the minutes past, each jump labelled.
Picture CountOnPicture(int from, int to)
{
    const QList<int> stops = CountOnStops(from, to);
    Svg svg(430, 120);
    const double left = 45;
    const double y = 78;
    const double step = 340.0 / double(stops.size() - 1);
    svg.line({left - 20, y}, {left + 360, y});
    for (int i = 0; i < stops.size(); ++i) {
        const double x = left + i * step;
        svg.line({x, y - 8}, {x, y + 8});
        svg.text({x, y + 28}, At(stops.at(i)), 14);
        if (i == 0)
            continue;
        const double x0 = x - step;
        const int jump = stops.at(i) - stops.at(i - 1);
        svg.path(QStringLiteral("M%1 Q%2 %3")
                     .arg(Svg::pt({x0 + 4, y - 10}), Svg::pt({(x0 + x) / 2, y - 60}),
                          Svg::pt({x - 4, y - 10})),
                 "none", colour::kBlue, 2);
        svg.arrowHead({x - 14, y - 30}, {x - 4, y - 10}, colour::kBlue, 8);
        svg.text({(x0 + x) / 2, y - 42},
                 jump % 60 == 0 ? QStringLiteral("+%1 h").arg(jump / 60)
                                : QStringLiteral("+%1 min").arg(jump),
                 14, "middle", true, colour::kBlueDark);
    }
    return Picture{svg.finish(),
                   QStringLiteral("A time line counting on from %1 to %2").arg(At(from), At(to))};
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
    const int next = hour % 12 + 1;
    q.working = {minute == 0 ? QStringLiteral("The long hand points at 12: the time is exactly on "
                                              "the hour.")
                             : QStringLiteral("The long hand points at the %1: %1 &times; 5 = %2 "
                                              "minutes past the hour.")
                                   .arg(minute / 5)
                                   .arg(minute)};
    q.working.append(minute == 0    ? QStringLiteral("The short hand points at the %1.").arg(hour)
                     : minute <= 30 ? QStringLiteral("The short hand has just passed the %1: %2 "
                                                     "minutes past %1.")
                                          .arg(hour)
                                          .arg(minute)
                                    : QStringLiteral("The short hand is nearly at the %1: %2 "
                                                     "minutes past %3 is %4 minutes to %1.")
                                          .arg(next)
                                          .arg(minute)
                                          .arg(hour)
                                          .arg(60 - minute));
    q.working.append(
        QStringLiteral("So the clock shows %1.").arg(TimeInWords(hour, minute).first()));
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
    q.working = {
        QStringLiteral("The clock shows %1:%2.")
            .arg(hour - 12)
            .arg(minute, 2, 10, QLatin1Char('0')),
        QStringLiteral("After midday, add 12 to the hour: %1 + 12 = %2.").arg(hour - 12).arg(hour),
        QStringLiteral("So the time is %1.").arg(Clock24(hour, minute))};
    return q;
}

Question Journey(Prng& rng)
{
    const int start = rng.range(7 * 12, 16 * 12) * 5; // minutes after midnight
    const int length = rng.range(4, 23) * 5;
    const int end = start + length;
    Question q = Make(Para(QStringLiteral("A train leaves at <b>%1</b> and arrives at <b>%2</b>.")
                               .arg(At(start), At(end))),
                      {MeasurePart(QStringLiteral("How many minutes does the journey take?"),
                                   length, 0, units::kMinutes)});
    q.working = CountOn(start, end);
    q.working.append(QStringLiteral("So the journey takes %1 minutes.").arg(length));
    q.workingPictures = {CountOnPicture(start, end)};
    return q;
}

Question Timetable(Prng& rng)
{
    static const QStringList stops = {"Station", "Market", "Library", "Park", "School"};
    int time = rng.range(8 * 12, 15 * 12) * 5;
    QList<QStringList> rows;
    QList<int> times;
    for (int i = 0; i < 4; ++i) {
        times.append(time);
        rows.append({stops.at(i), At(time)});
        time += rng.range(2, 5) * 5 + 2;
    }
    Question q = Make(
        Para(QStringLiteral("Here is part of a bus timetable.")) +
            DataTable({"Bus stop", "Time"}, rows),
        {MeasurePart(QStringLiteral("How long does the bus take from the %1 to the %2, in minutes?")
                         .arg(stops.at(0), stops.at(3)),
                     times.at(3) - times.at(0), 0, units::kMinutes),
         TimePart(
             QStringLiteral("The bus is 15 minutes late at the %1. At what time does it get there?")
                 .arg(stops.at(2)),
             times.at(2) + 15)});
    q.working = {QStringLiteral("(a) The bus leaves the %1 at %2 and reaches the %3 at %4.")
                     .arg(stops.at(0), At(times.at(0)), stops.at(3), At(times.at(3)))};
    q.working += CountOn(times.at(0), times.at(3));
    q.workingPictures = {CountOnPicture(times.at(0), times.at(3))};
    q.working.append(QStringLiteral("(b) It should reach the %1 at %2; 15 minutes later is %3.")
                         .arg(stops.at(2), At(times.at(2)), At(times.at(2) + 15)));
    return q;
}

Question TimeUnits(Prng& rng)
{
    const int hours = rng.range(2, 5);
    const int minutes = rng.range(2, 9);
    const int days = rng.range(2, 7);
    Question q =
        Make(Para(QStringLiteral("Fill in the missing numbers.")),
             {MeasurePart(QStringLiteral("%1 and a half hours = &#9633; minutes").arg(hours),
                          hours * 60 + 30, 0, units::kMinutes),
              MeasurePart(QStringLiteral("%1 minutes = &#9633; seconds").arg(minutes), minutes * 60,
                          0, units::kSeconds),
              MeasurePart(QStringLiteral("%1 days = &#9633; hours").arg(days), days * 24, 0,
                          units::kHours)});
    q.working = {
        QStringLiteral("(a) 1 hour = 60 minutes: %1 &times; 60 = %2, and half an hour is "
                       "30 more: %2 + 30 = %3 minutes.")
            .arg(hours)
            .arg(hours * 60)
            .arg(hours * 60 + 30),
        QStringLiteral("(b) 1 minute = 60 seconds: %1 &times; 60 = %2 seconds.")
            .arg(minutes)
            .arg(minutes * 60),
        QStringLiteral("(c) 1 day = 24 hours: %1 &times; 24 = %2 hours.").arg(days).arg(days * 24)};
    return q;
}

const QStringList& MonthNames()
{
    static const QStringList months = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
    return months;
}

Question Months(Prng& rng)
{
    const QStringList& months = MonthNames();
    const int start = rng.range(0, 11);
    const int ahead = rng.range(3, 9);
    const QString month = months.at((start + ahead) % 12);
    // The name, or its usual short form ("Aug", "Sept").
    QStringList forms = {month};
    if (month.size() > 4)
        forms.append(month.left(3));
    if (month == QLatin1String("September"))
        forms.append(QStringLiteral("Sept"));
    Question q =
        Make(Para(QStringLiteral("It is <b>%1</b>. What month will it be in %2 months' time?")
                      .arg(months.at(start))
                      .arg(ahead)),
             {forms.size() == 1 ? WordPart(QString(), month) : AlternativesPart(QString(), forms)});
    QStringList on;
    for (int i = 1; i <= ahead; ++i)
        on.append(months.at((start + i) % 12));
    q.working = {QStringLiteral("Count on %1 months from %2: %3.")
                     .arg(ahead)
                     .arg(months.at(start), on.join(QStringLiteral(", "))),
                 QStringLiteral("So in %1 months it will be %2.").arg(ahead).arg(month)};
    return q;
}

Question To24Hour(Prng& rng)
{
    const int hour = rng.range(1, 11);
    const int minute = rng.range(0, 59);
    const bool pm = rng.chance(60);
    const int at = (pm ? hour + 12 : hour) * 60 + minute;
    Question q = Make(Para(QStringLiteral("Write <b>%1:%2 %3</b> in 24-hour time.")
                               .arg(hour)
                               .arg(minute, 2, 10, QLatin1Char('0'))
                               .arg(pm ? "pm" : "am")),
                      {TimePart(QString(), at)});
    q.working = {pm ? QStringLiteral("pm is after midday, so add 12 to the hour: %1 + 12 = %2.")
                          .arg(hour)
                          .arg(hour + 12)
                    : QStringLiteral("am is before midday: the hour stays %1, written with two "
                                     "digits.")
                          .arg(hour),
                 QStringLiteral("So the time is %1.").arg(At(at))};
    return q;
}

/// A time of day in 12-hour form with am or pm ("3:40 pm").
QString TwelveHour(int minutesAfterMidnight)
{
    const int hour = minutesAfterMidnight / 60;
    return QStringLiteral("%1:%2 %3")
        .arg((hour + 11) % 12 + 1)
        .arg(minutesAfterMidnight % 60, 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? "am" : "pm");
}

Question To12Hour(Prng& rng)
{
    const int at = rng.range(0, 23) * 60 + rng.range(1, 59);
    const QString right = TwelveHour(at);
    // With or without the space, with a point for the colon, with full stops: "3.40 p.m.".
    QStringList forms;
    for (const QString& colon : {QStringLiteral(":"), QStringLiteral(".")}) {
        QString time = right.section(QLatin1Char(' '), 0, 0);
        time.replace(QLatin1Char(':'), colon);
        const QString half = right.section(QLatin1Char(' '), 1);
        for (const QString& suffix :
             {half, QStringLiteral("%1.%2.").arg(half.at(0)).arg(half.at(1))})
            forms << time + QLatin1Char(' ') + suffix << time + suffix;
    }
    const int hour = at / 60;
    Question q = Make(Para(QStringLiteral("Write <b>%1</b> as a 12-hour time.").arg(At(at))),
                      {FormPart(QString(), 'M', QLatin1Char(';') + forms.join(QLatin1Char(';')),
                                QStringLiteral("with am or pm"))});
    q.parts.first().answer = right;
    q.working = {hour == 0    ? QStringLiteral("The hour 00 is the first hour after midnight: "
                                                  "12 in 12-hour time, am.")
                 : hour < 12  ? QStringLiteral("%1 is before midday, so it is am.").arg(At(at))
                 : hour == 12 ? QStringLiteral("12 is the hour after midday, so it is pm.")
                              : QStringLiteral("%1 is after midday: take 12 from the hour, %2 "
                                               "&minus; 12 = %3, and it is pm.")
                                    .arg(At(at))
                                    .arg(hour)
                                    .arg(hour - 12),
                 QStringLiteral("So %1 is %2.").arg(At(at), right)};
    return q;
}

Question DaysInMonths(Prng& rng)
{
    static const QList<int> lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int first = rng.range(0, 10);
    const int count = rng.range(2, 3);
    QStringList names;
    QStringList each;
    QStringList sum;
    int days = 0;
    for (int i = 0; i < count; ++i) {
        const int m = (first + i) % 12;
        names.append(MonthNames().at(m));
        each.append(QStringLiteral("%1 has %2").arg(MonthNames().at(m)).arg(lengths.at(m)));
        sum.append(QString::number(lengths.at(m)));
        days += lengths.at(m);
    }
    const QString list = count == 2 ? names.join(QStringLiteral(" and "))
                                    : names.at(0) + QStringLiteral(", ") + names.at(1) +
                                          QStringLiteral(" and ") + names.at(2);
    const bool february = names.contains(QStringLiteral("February"));
    static const QStringList events = {
        "A holiday club is open every day in %1%2. For how many days is it open?",
        "A fair stays in town for the whole of %1%2. For how many days does it stay?",
        "Ravi reads every day in %1%2. On how many days does he read?",
        "How many days are there altogether in %1%2?"};
    Question q =
        Make(Para(rng.pick(events).arg(list, february ? QStringLiteral(" in a year that is not a "
                                                                       "leap year")
                                                      : QString())),
             {MeasurePart(QString(), days, 0, units::kDays)});
    q.working = {each.join(QStringLiteral(", ")) + QStringLiteral(" days."),
                 QStringLiteral("%1 = %2").arg(sum.join(QStringLiteral(" + "))).arg(days),
                 QStringLiteral("So there are %1 days.").arg(days)};
    return q;
}

Question FilmEnds(Prng& rng)
{
    static const QStringList shows = {"A film", "A concert", "A football match", "A play",
                                      "A swimming gala"};
    const int start = rng.range(10 * 12, 20 * 12) * 5;
    const int hours = rng.range(1, 2);
    const int minutes = rng.range(2, 11) * 5;
    const int end = start + hours * 60 + minutes;
    Question q = Make(Para(QStringLiteral("%1 starts at <b>%2</b> and lasts <b>%3 %4 %5 "
                                          "minutes</b>.")
                               .arg(rng.pick(shows), At(start))
                               .arg(hours)
                               .arg(hours == 1 ? "hour" : "hours")
                               .arg(minutes)),
                      {TimePart(QStringLiteral("At what time does it end?"), end)});
    q.parts.first().subs.first().marks = 2;
    const int afterHours = start + hours * 60;
    const int toHour = 60 - afterHours % 60;
    q.working = {QStringLiteral("Add the hours first: %1 + %2 h = %3.")
                     .arg(At(start))
                     .arg(hours)
                     .arg(At(afterHours))};
    q.working.append(minutes <= toHour || afterHours % 60 == 0
                         ? QStringLiteral("Then the minutes: %1 + %2 minutes = %3.")
                               .arg(At(afterHours))
                               .arg(minutes)
                               .arg(At(end))
                         : QStringLiteral("Then %1 minutes: %2 minutes take it to %3, and %4 "
                                          "more to %5.")
                               .arg(minutes)
                               .arg(toHour)
                               .arg(At(afterHours + toHour))
                               .arg(minutes - toHour)
                               .arg(At(end)));
    q.working.append(QStringLiteral("So it ends at %1.").arg(At(end)));
    return q;
}

Question RaceTimes(Prng& rng)
{
    QStringList names;
    while (names.size() < 4) {
        const QString n = Name(rng);
        if (!names.contains(n))
            names.append(n);
    }
    QList<int> tenths;
    while (tenths.size() < 4) {
        const int t = rng.range(130, 199);
        if (!tenths.contains(t))
            tenths.append(t);
    }
    const int distance = rng.pick(QList<int>{60, 80, 100});
    QList<QStringList> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({names.at(i), DecimalText(tenths.at(i), 1)});
    const int fast = int(std::min_element(tenths.cbegin(), tenths.cend()) - tenths.cbegin());
    const int slow = int(std::max_element(tenths.cbegin(), tenths.cend()) - tenths.cbegin());
    Question q = Make(
        Para(QStringLiteral("Four children ran %1 metres. Here are their times.").arg(distance)) +
            DataTable({"Name", "Time (seconds)"}, rows),
        {WordPart(QStringLiteral("Who was the fastest?"), names.at(fast)),
         MeasurePart(QStringLiteral("How many seconds faster was %1 than %2?")
                         .arg(names.at(fast), names.at(slow)),
                     tenths.at(slow) - tenths.at(fast), 1, units::kSeconds)});
    q.working = {QStringLiteral("The fastest runner has the shortest time: %1 s, so %2 was the "
                                "fastest.")
                     .arg(DecimalText(tenths.at(fast), 1), names.at(fast)),
                 QStringLiteral("The slowest time is %1's, %2 s.")
                     .arg(names.at(slow), DecimalText(tenths.at(slow), 1)),
                 QStringLiteral("%1 &minus; %2 = %3 seconds")
                     .arg(DecimalText(tenths.at(slow), 1), DecimalText(tenths.at(fast), 1),
                          DecimalText(tenths.at(slow) - tenths.at(fast), 1))};
    return q;
}

Question MinutesToHours(Prng& rng)
{
    const int hours = rng.range(1, 5);
    const int minutes = rng.range(1, 59);
    const int total = hours * 60 + minutes;
    Question q =
        Make(Para(QStringLiteral("Write <b>%1 minutes</b> in hours and minutes.").arg(total)),
             {MeasurePart(QStringLiteral("hours"), hours, 0, units::kHours),
              MeasurePart(QStringLiteral("minutes"), minutes, 0, units::kMinutes)});
    q.working = {
        QStringLiteral("1 hour = 60 minutes. %1 &times; 60 = %2, the most whole hours "
                       "in %3 minutes.")
            .arg(hours)
            .arg(hours * 60)
            .arg(total),
        QStringLiteral("%1 &minus; %2 = %3 minutes left over.")
            .arg(total)
            .arg(hours * 60)
            .arg(minutes),
        QStringLiteral("So %1 minutes = %2 hours %3 minutes.").arg(total).arg(hours).arg(minutes)};
    return q;
}

Question DayOfWeek(Prng& rng)
{
    static const QStringList days = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                     "Friday", "Saturday", "Sunday"};
    static const QList<int> lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int month = rng.range(0, 11);
    const int from = rng.range(1, 12);
    const int to = rng.range(from + 8, lengths.at(month));
    const int weekday = rng.range(0, 6);
    const int later = to - from;
    const QString day = days.at((weekday + later) % 7);
    const QString monthName = MonthNames().at(month);
    Question q = Make(Para(QStringLiteral("%1 %2 is a <b>%3</b>. What day of the week is %4 %2?")
                               .arg(from)
                               .arg(monthName, days.at(weekday))
                               .arg(to)),
                      {AlternativesPart(QString(), {day, day.left(3)}, 2)});
    q.parts.first().answer = day;
    q.working = {
        QStringLiteral("%1 &minus; %2 = %3 days later.").arg(to).arg(from).arg(later),
        QStringLiteral("%1 days = %2 and %3 days; after whole weeks it is %4 again.")
            .arg(later)
            .arg(later < 14 ? QStringLiteral("1 week") : QStringLiteral("%1 weeks").arg(later / 7))
            .arg(later % 7)
            .arg(days.at(weekday)),
        later % 7 == 0 ? QStringLiteral("So %1 %2 is a %3.").arg(to).arg(monthName, day)
                       : QStringLiteral("%1 days after %2 is %3, so %4 %5 is a %3.")
                             .arg(later % 7)
                             .arg(days.at(weekday), day)
                             .arg(to)
                             .arg(monthName)};
    return q;
}

Question WaitForBus(Prng& rng)
{
    const int now = rng.range(7 * 12, 11 * 12 + 6) * 5;
    const int leaves = now + rng.range(3, 11) * 5;
    Question q = Make(Para(QStringLiteral("The clock shows the time this morning. The bus leaves "
                                          "at <b>%1</b>.")
                               .arg(At(leaves))),
                      {MeasurePart(QStringLiteral("How many minutes are there until the bus "
                                                  "leaves?"),
                                   leaves - now, 0, units::kMinutes, 2)});
    q.pictures = {Clock(now / 60, now % 60)};
    q.working = {QStringLiteral("The clock shows %1 in the morning.").arg(At(now))};
    q.working += CountOn(now, leaves);
    q.working.append(QStringLiteral("So there are %1 minutes to wait.").arg(leaves - now));
    q.workingPictures = {CountOnPicture(now, leaves)};
    return q;
}

Question Roast(Prng& rng)
{
    static const QStringList dishes = {"A chicken", "A joint of beef", "A turkey crown",
                                       "A leg of lamb"};
    const int perKg = rng.pick(QList<int>{30, 40, 45, 50});
    const int extra = rng.pick(QList<int>{15, 20, 25, 30});
    const int halfKg = rng.range(3, 7); // in half kilograms
    const int cook = perKg * halfKg / 2 + extra;
    const int ready = rng.range(16 * 4, 20 * 4) * 15;
    Question q = Make(
        Para(QStringLiteral("%1 must cook for <b>%2 minutes for each kilogram</b>, and then "
                            "<b>%3 minutes more</b>. It has a mass of %4 kg.")
                 .arg(rng.pick(dishes))
                 .arg(perKg)
                 .arg(extra)
                 .arg(DecimalText(halfKg * 5, 1))),
        {MeasurePart(QStringLiteral("How many minutes must it cook for?"), cook, 0, units::kMinutes,
                     2),
         TimePart(QStringLiteral("It must be ready at %1. At what time must it go into the oven?")
                      .arg(At(ready)),
                  ready - cook)});
    q.working = {QStringLiteral("%1 &times; %2 = %3 minutes for the mass.")
                     .arg(perKg)
                     .arg(DecimalText(halfKg * 5, 1))
                     .arg(perKg * halfKg / 2),
                 QStringLiteral("%1 + %2 = %3 minutes altogether.")
                     .arg(perKg * halfKg / 2)
                     .arg(extra)
                     .arg(cook),
                 QStringLiteral("%1 minutes is %2; count back %2 from %3 to %4.")
                     .arg(cook)
                     .arg(HoursAndMinutes(cook), At(ready), At(ready - cook))};
    return q;
}

Question LeapYear(Prng& rng)
{
    // Years whose leap-ness the rule of 4 decides; a century year only as 2000, which is one.
    QList<int> years;
    years.append(rng.chance(10) ? 2000 : rng.range(476, 524) * 4);
    while (years.size() < 4) {
        const int y = rng.range(1901, 2099);
        if (y % 4 != 0 && !years.contains(y))
            years.append(y);
    }
    QList<Option> options;
    for (int y : years)
        options.append({QString::number(y), y % 4 == 0});
    Question q = ChoiceQuestion(Para(QStringLiteral("Which of these years is a <b>leap "
                                                    "year</b>?")),
                                UniqueChoice(rng, options));
    QStringList remainders;
    for (int y : years.mid(1))
        remainders.append(QStringLiteral("%1 &divide; 4 leaves %2").arg(y).arg(y % 4));
    q.working = {QStringLiteral("A leap year divides exactly by 4 (years from 1901 to 2099)."),
                 QStringLiteral("%1; none of these is a leap year.")
                     .arg(remainders.join(QStringLiteral(", "))),
                 QStringLiteral("%1 &divide; 4 = %2 exactly, so %1 is a leap year.")
                     .arg(years.at(0))
                     .arg(years.at(0) / 4)};
    return q;
}

Question SchoolMorning(Prng& rng)
{
    const int start = rng.range(8 * 12 + 6, 9 * 12 + 3) * 5;
    const int lessons = rng.range(2, 4);
    const int lesson = rng.pick(QList<int>{35, 40, 45, 50, 55, 60});
    const int pause = rng.pick(QList<int>{10, 15, 20, 25});
    const int total = lessons * lesson + pause;
    static const QStringList events = {"a break", "assembly", "a snack time", "a fire drill"};
    Question q = Make(
        Para(QStringLiteral("School starts at <b>%1</b>. In the morning there are <b>%2 lessons "
                            "of %3 minutes</b> and <b>%4 of %5 minutes</b>, one after another.")
                 .arg(At(start))
                 .arg(lessons)
                 .arg(lesson)
                 .arg(rng.pick(events))
                 .arg(pause)),
        {MeasurePart(QStringLiteral("How many minutes is that altogether?"), total, 0,
                     units::kMinutes),
         TimePart(QStringLiteral("At what time does the morning end?"), start + total)});
    q.parts.last().subs.first().marks = 2;
    q.working = {QStringLiteral("(a) %1 &times; %2 = %3 minutes of lessons; %3 + %4 = %5 minutes.")
                     .arg(lessons)
                     .arg(lesson)
                     .arg(lessons * lesson)
                     .arg(pause)
                     .arg(total),
                 QStringLiteral("(b) %1 minutes = %2.").arg(total).arg(HoursAndMinutes(total)),
                 QStringLiteral("%1 + %2 = %3, so the morning ends at %3.")
                     .arg(At(start), HoursAndMinutes(total), At(start + total))};
    return q;
}

} // namespace

QList<Generator> TimeKinds()
{
    return {ClockInWords, ClockAfternoon, Journey,      Timetable, TimeUnits,    Months,
            To24Hour,     To12Hour,       DaysInMonths, FilmEnds,  RaceTimes,    MinutesToHours,
            DayOfWeek,    WaitForBus,     Roast,        LeapYear,  SchoolMorning};
}

} // namespace orlavine::pack
