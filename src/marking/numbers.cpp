#include "marking/numbers.h"

#include "records/recordtext.h"

#include <QLocale>

#include <cmath>

namespace orlavine {

namespace {

QChar SystemDecimalPoint()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

} // namespace

bool ParseNumber(const QByteArray& text, double& value)
{
    const QByteArray t = text.trimmed();
    const char systemPoint = SystemDecimalPoint().toLatin1();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    QByteArray plain = t.left(i);
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            plain += c;
        } else if ((c == '.' || c == systemPoint) && !point) {
            point = true;
            plain += '.';
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    bool ok = false;
    value = plain.toDouble(&ok);
    return ok;
}

double RoundToTenths(double x)
{
    const double y = x * 10.0;
    const double error = std::fma(x, 10.0, -y); // x * 10 - y, exactly
    const double floor = std::floor(y);
    const double fraction = y - floor;
    if (fraction > 0.5 || (fraction == 0.5 && error > 0))
        return (floor + 1) / 10.0;
    if (fraction < 0.5 || error < 0)
        return floor / 10.0;
    return (std::fmod(floor, 2.0) == 0 ? floor : floor + 1) / 10.0;
}

QByteArray RoundedText(double x)
{
    const long long tenths = std::llround(RoundToTenths(x) * 10.0);
    const long long whole = std::llabs(tenths) / 10;
    const long long digit = std::llabs(tenths) % 10;
    QByteArray text = tenths < 0 ? QByteArray("-") : QByteArray();
    text += QByteArray::number(whole);
    if (digit != 0) {
        QByteArray point;
        EncodeRecordText(QString(SystemDecimalPoint()), point);
        text += point + QByteArray::number(digit);
    }
    return text;
}

QByteArray PercentText(int score, int total)
{
    if (total <= 0)
        return "0";
    return RoundedText(double(score) / double(total) * 100.0);
}

QByteArray ElapsedText(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    const qint64 hours = (seconds / 3600) % 24;
    return QByteArray::number(hours) + ':' + QByteArray::number((seconds / 60) % 60) + ':' +
           QByteArray::number(seconds % 60);
}

QByteArray ShortDateText(const QDate& date)
{
    QByteArray text;
    if (!EncodeRecordText(QLocale::system().toString(date, QLocale::ShortFormat), text))
        text = date.toString(Qt::ISODate).toLatin1();
    return text;
}

} // namespace orlavine
