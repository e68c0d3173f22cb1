#include "mainwin/topicalpanel.h"

#include "chrome/fittext.h"
#include "records/recordtext.h"
#include "report/reportfigures.h"

#include <QHBoxLayout>
#include <QLabel>

namespace orlavine {

namespace {

const QColor kFirstColour(52, 101, 164);
const QColor kSecondColour(78, 154, 6);
constexpr int kMargin = 10;
constexpr int kLegendHeight = 22;
constexpr int kMinRowHeight = 24;

QWidget* LegendEntry(const QString& text, const QColor& colour, QWidget* parent)
{
    auto* entry = new QWidget(parent);
    auto* layout = new QHBoxLayout(entry);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* swatch = new QFrame(entry);
    swatch->setFixedSize(14, 10);
    swatch->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
    layout->addWidget(swatch);
    layout->addWidget(new QLabel(text, entry));
    return entry;
}

} // namespace

TopicalPanel::TopicalPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("RC2Topical"));
    setAutoFillBackground(true);
    setMinimumHeight(kLegendHeight + 8 + 10 * kMinRowHeight + kMargin);
    m_legend = new QWidget(this);
    auto* legend = new QHBoxLayout(m_legend);
    legend->setContentsMargins(0, 0, 0, 0);
    legend->addStretch();
    legend->addWidget(LegendEntry(QStringLiteral("First Attempt results"), kFirstColour, m_legend));
    legend->addSpacing(16);
    legend->addWidget(LegendEntry(QStringLiteral("Second Attempt Score"), kSecondColour, m_legend));

    for (int k = 0; k < 10; ++k) {
        const QString number = QString::number(k + 1);
        Row& row = m_rows[k];
        row.name = new QLabel(this);
        row.name->setObjectName(QStringLiteral("TopLab") + number);
        row.name->setIndent(2);
        row.bars[0] = makeBar(number + QLatin1Char('A'), kFirstColour);
        row.bars[1] = makeBar(number + QLatin1Char('B'), kSecondColour);
    }
}

TopicalPanel::Bar TopicalPanel::makeBar(const QString& id, const QColor& colour)
{
    Bar bar;
    bar.back = new QFrame(this);
    bar.back->setObjectName(QStringLiteral("TBack") + id);
    bar.back->setFrameShape(QFrame::Box);
    bar.back->setLineWidth(1);
    bar.back->setStyleSheet(
        QStringLiteral("QFrame#TBack%1 { background: white; border: 1px solid #a0a0a0; }").arg(id));
    bar.bar = new QFrame(bar.back);
    bar.bar->setObjectName(QStringLiteral("TBar") + id);
    bar.bar->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
    bar.mark = new QLabel(this);
    bar.mark->setObjectName(QStringLiteral("TMark") + id);
    return bar;
}

void TopicalPanel::ShowTopicResult(int row, const TopicFigures& topic)
{
    Row& r = m_rows.at(row);
    r.text = DecodeRecordText(topic.name);
    r.shown = topic.shown;
    r.name->setVisible(topic.shown);
    r.bars[0].average = topic.firstAverage();
    r.bars[0].mark->setText(DecodeRecordText(topic.firstMark()));
    r.bars[1].average = topic.secondAverage();
    r.bars[1].mark->setText(DecodeRecordText(topic.secondMark()));
    for (Bar& bar : r.bars) {
        bar.back->setVisible(topic.shown);
        bar.bar->setVisible(true);
    }
    layOutRows();
}

void TopicalPanel::sizeBar(const Bar& bar)
{
    // Every background has the width of row 1's, so all bars share one scale.
    const QRect inner = m_rows[0].bars[0].back->contentsRect();
    const int length = qRound(inner.width() * qBound(0.0, bar.average, 100.0) / 100.0);
    bar.bar->setGeometry(inner.left(), inner.top(), length, inner.height());
}

void TopicalPanel::resizeEvent(QResizeEvent*)
{
    layOutRows();
}

void TopicalPanel::layOutRows()
{
    const int width = this->width() - 2 * kMargin;
    m_legend->setGeometry(kMargin, 4, width, kLegendHeight);
    const int top = kLegendHeight + 8;
    const int rowHeight = qMax(kMinRowHeight, (height() - top - kMargin) / 10);
    // The names take 30 % of the width, more (up to 45 %) where that keeps them whole.
    int widest = 0;
    for (const Row& row : m_rows) {
        if (row.shown)
            widest = qMax(widest, row.name->fontMetrics().horizontalAdvance(row.text) + 4);
    }
    const int nameWidth = qBound(width * 3 / 10, widest, width * 45 / 100);
    const int markWidth = 50;
    const int barLeft = kMargin + nameWidth + 8;
    const int barWidth = qMax(20, width - nameWidth - 8 - markWidth - 6);
    const int barHeight = qMax(6, (rowHeight - 6) / 2);
    // A row whose name needs two lines grows while the panel has room below its last row;
    // the names after the room runs out are elided.
    const int growth = qMax(0, 2 * fontMetrics().lineSpacing() + 4 - rowHeight);
    int rowsShown = 0;
    for (int k = 0; k < 10; ++k)
        rowsShown = m_rows[k].shown ? k + 1 : rowsShown;
    int spare = height() - kMargin - top - rowsShown * rowHeight;
    int y = top;
    for (int k = 0; k < 10; ++k) {
        Row& row = m_rows[k];
        row.name->setGeometry(kMargin, y, nameWidth, rowHeight - 4);
        const int lines = row.shown && spare >= growth ? 2 : 1;
        const int grown = ShowName(row.name, row.text, lines) > 1 ? growth : 0;
        row.name->resize(nameWidth, rowHeight - 4 + grown);
        spare -= grown;
        for (int b = 0; b < 2; ++b) {
            const Bar& bar = row.bars[b];
            const int barTop = y + grown / 2 + 1 + b * (barHeight + 2);
            bar.back->setGeometry(barLeft, barTop, barWidth, barHeight);
            bar.mark->setGeometry(barLeft + barWidth + 6, barTop + barHeight / 2 - 9, markWidth,
                                  18);
        }
        y += rowHeight + grown;
    }
    for (const Row& row : m_rows) {
        for (const Bar& bar : row.bars)
            sizeBar(bar);
    }
}

} // namespace orlavine
