#include "clocktime.h"

#include "answerforms.h"

namespace orlavine::pack {

QString At(int minutesAfterMidnight)
{
    return QStringLiteral("%1:%2")
        .arg(minutesAfterMidnight / 60, 2, 10, QLatin1Char('0'))
        .arg(minutesAfterMidnight % 60, 2, 10, QLatin1Char('0'));
}

Part TimePart(const QString& prompt, int minutesAfterMidnight, int marks)
{
    const QString form = QStringLiteral("as hh:mm");
    const QString exact = At(minutesAfterMidnight);
    if (minutesAfterMidnight >= 10 * 60)
        return FormPart(prompt, 'R', exact, form, marks);
    Part part =
        FormPart(prompt, 'M', QStringLiteral(";%1;%2").arg(exact, exact.mid(1)), form, marks);
    part.answer = exact;
    return part;
}

QList<int> CountOnStops(int from, int to)
{
    QList<int> stops = {from};
    const int firstHour = (from + 59) / 60 * 60;
    const int lastHour = to / 60 * 60;
    if (firstHour > from && firstHour < to)
        stops.append(firstHour);
    if (lastHour > stops.last() && lastHour < to)
        stops.append(lastHour);
    stops.append(to);
    return stops;
}

QStringList CountOn(int from, int to)
{
    const QList<int> stops = CountOnStops(from, to);
    if (stops.size() == 2)
        return {
            QStringLiteral("From %1 to %2 is %3 minutes.").arg(At(from), At(to)).arg(to - from)};
    QStringList pieces;
    QStringList sums;
    for (int i = 1; i < stops.size(); ++i) {
        const int jump = stops.at(i) - stops.at(i - 1);
        pieces.append(QStringLiteral("%1 to %2 is %3 minutes")
                          .arg(At(stops.at(i - 1)), At(stops.at(i)))
                          .arg(jump));
        sums.append(QString::number(jump));
    }
    return {QStringLiteral("Count on: %1.").arg(pieces.join(QStringLiteral("; "))),
            QStringLiteral("%1 = %2 minutes").arg(sums.join(QStringLiteral(" + "))).arg(to - from)};
}

QString HoursAndMinutes(int minutes)
{
    QStringList words;
    if (minutes >= 60)
        words.append(
            QStringLiteral("%1 %2").arg(minutes / 60).arg(minutes < 120 ? "hour" : "hours"));
    if (minutes % 60 != 0)
        words.append(QStringLiteral("%1 minutes").arg(minutes % 60));
    return words.join(QLatin1Char(' '));
}

} // namespace orlavine::pack
