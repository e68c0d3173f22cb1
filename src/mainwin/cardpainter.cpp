#include "mainwin/cardpainter.h"

#include "records/recordtext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace orlavine {

namespace {

constexpr double kLargestPointSize = 10;

QRectF PrintableRect(const QPrinter& printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution());
}

/// The mean advance of the printable ASCII characters. (The font's own "average width"
/// field need not match its glyphs, which would set fixed-pitch zones off the grid.)
double AverageCharWidth(const QFont& font, QPrinter& printer)
{
    QString sample;
    for (char c = ' '; c <= '~'; ++c)
        sample += QLatin1Char(c);
    return QFontMetricsF(font, &printer).horizontalAdvance(sample) / sample.size();
}

} // namespace

CardPageLayout CardLayoutFor(QPrinter& printer)
{
    CardPageLayout layout;
    layout.font = QFont(QStringLiteral("Monospace"));
    layout.font.setStyleHint(QFont::TypeWriter);
    layout.font.setFixedPitch(true);
    layout.font.setPointSizeF(kLargestPointSize);
    const QRectF page = PrintableRect(printer);
    // Widths are rounded to the printer's pixels, so a shrunk font may still be a little
    // too wide: measure again, and aim at one column more than needed.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const double width = AverageCharWidth(layout.font, printer);
        if (width * kCardPageColumns <= page.width())
            break;
        layout.font.setPointSizeF(layout.font.pointSizeF() * page.width() /
                                  (width * (kCardPageColumns + 1)));
    }
    const QFontMetricsF metrics(layout.font, &printer);
    layout.columnWidth = AverageCharWidth(layout.font, printer);
    layout.lineHeight = metrics.lineSpacing();
    layout.columns = qMin(kCardFitColumns, int(std::floor(page.width() / layout.columnWidth)));
    layout.linesPerPage = qMax(1, int(std::floor(page.height() / layout.lineHeight)));
    return layout;
}

bool PaintResultsCard(QPrinter& printer, const QList<CardLine>& lines)
{
    const CardPageLayout layout = CardLayoutFor(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(layout.font);
    const double ascent = QFontMetricsF(layout.font, &printer).ascent();
    const QList<QList<CardLine>> pages = CardPages(lines, layout.linesPerPage);
    for (int p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        for (int l = 0; l < pages.at(p).size(); ++l) {
            const CardLine& line = pages.at(p).at(l);
            const QList<int> columns = ZoneColumns(line);
            const double baseline = l * layout.lineHeight + ascent;
            for (int i = 0; i < line.size(); ++i) {
                const int room = layout.columns - columns.at(i);
                const QByteArray item = line.at(i).left(qMax(0, room));
                if (room > 0 && !item.trimmed().isEmpty())
                    painter.drawText(QPointF(columns.at(i) * layout.columnWidth, baseline),
                                     DecodeRecordText(item));
            }
        }
    }
    return painter.end();
}

} // namespace orlavine
