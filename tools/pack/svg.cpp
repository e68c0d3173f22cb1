#include "svg.h"

#include "html.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace orlavine::pack {

namespace {

QString Escaped(const QString& text)
{
    QString out = text.toHtmlEscaped();
    return AsciiOnly(out);
}

QString Points(const QList<QPointF>& points)
{
    QStringList list;
    for (const QPointF& p : points)
        list.append(Svg::pt(p));
    return list.join(QLatin1Char(' '));
}

} // namespace

Svg::Svg(int width, int height) : m_width(width), m_height(height) {}

QString Svg::num(double v)
{
    const long long tenths = std::llround(v * 10);
    if (tenths % 10 == 0)
        return QString::number(tenths / 10);
    return QStringLiteral("%1%2.%3")
        .arg(tenths < 0 ? QStringLiteral("-") : QString())
        .arg(std::llabs(tenths) / 10)
        .arg(std::llabs(tenths) % 10);
}

QString Svg::pt(QPointF p)
{
    return num(p.x()) + QLatin1Char(',') + num(p.y());
}

QPointF Svg::polar(QPointF c, double r, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

void Svg::line(QPointF a, QPointF b, const char* stroke, double width, const QString& extra)
{
    m_body +=
        QStringLiteral(
            "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\"%7/>\n")
            .arg(num(a.x()), num(a.y()), num(b.x()), num(b.y()), QLatin1String(stroke), num(width),
                 extra);
}

void Svg::dashed(QPointF a, QPointF b, const char* stroke, double width)
{
    line(a, b, stroke, width, QStringLiteral(" stroke-dasharray=\"5 4\""));
}

void Svg::rect(double x, double y, double w, double h, const char* fill, const char* stroke,
               double width, double radius)
{
    m_body += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                             "fill=\"%6\" stroke=\"%7\" "
                             "stroke-width=\"%8\"/>\n")
                  .arg(num(x), num(y), num(w), num(h), num(radius), QLatin1String(fill),
                       QLatin1String(stroke), num(width));
}

void Svg::circle(QPointF centre, double r, const char* fill, const char* stroke, double width)
{
    m_body += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"%5\" "
                             "stroke-width=\"%6\"/>\n")
                  .arg(num(centre.x()), num(centre.y()), num(r), QLatin1String(fill),
                       QLatin1String(stroke), num(width));
}

void Svg::polygon(const QList<QPointF>& points, const char* fill, const char* stroke, double width)
{
    m_body += QStringLiteral("<polygon points=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\" "
                             "stroke-linejoin=\"round\"/>\n")
                  .arg(Points(points), QLatin1String(fill), QLatin1String(stroke), num(width));
}

void Svg::polyline(const QList<QPointF>& points, const char* stroke, double width)
{
    m_body +=
        QStringLiteral("<polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                       "stroke-linejoin=\"round\"/>\n")
            .arg(Points(points), QLatin1String(stroke), num(width));
}

void Svg::path(const QString& d, const char* fill, const char* stroke, double width)
{
    m_body += QStringLiteral("<path d=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\" "
                             "stroke-linejoin=\"round\"/>\n")
                  .arg(d, QLatin1String(fill), QLatin1String(stroke), num(width));
}

void Svg::text(QPointF at, const QString& text, int size, const char* anchor, bool bold,
               const char* fill)
{
    const int smallest = (kSmallestText * std::max(m_width, kShownWidth) + kShownWidth - 1) /
                         kShownWidth;
    m_body +=
        QStringLiteral(
            "<text x=\"%1\" y=\"%2\" font-size=\"%3\" text-anchor=\"%4\"%5 fill=\"%6\">%7</text>\n")
            .arg(num(at.x()), num(at.y()), QString::number(std::max(size, smallest)),
                 QLatin1String(anchor),
                 bold ? QStringLiteral(" font-weight=\"bold\"") : QString(), QLatin1String(fill),
                 Escaped(text));
}

void Svg::arrowHead(QPointF from, QPointF tip, const char* fill, double size)
{
    const double dx = tip.x() - from.x();
    const double dy = tip.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return;
    const QPointF u(dx / length, dy / length);
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * size;
    polygon({tip, base + n * (size * 0.55), base - n * (size * 0.55)}, fill, fill, 1);
}

QString Svg::finish() const
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" "
                          "font-family=\"DejaVu Sans, Verdana, Arial, sans-serif\">\n%3</svg>\n")
        .arg(m_width)
        .arg(m_height)
        .arg(m_body);
}

} // namespace orlavine::pack
