#include "mainwin/trendpanel.h"

#include "report/trendplot.h"

#include <QLabel>
#include <QPainter>

namespace orlavine {

namespace {

const QColor kGridColour(224, 224, 224);
const QColor kDotColour(0, 0, 255);
constexpr int kAxisWidth = 44;
constexpr int kCaptionHeight = 22;
constexpr int kMargin = 12;

} // namespace

TrendPlot::TrendPlot(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(160, 160, 160));
    setPalette(palette);
}

void TrendPlot::setValues(const QList<double>& values)
{
    m_values = values;
    update();
}

void TrendPlot::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect inner = contentsRect();
    QPainter painter(this);
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    const QSizeF size = inner.size();
    painter.setPen(kGridColour);
    for (double y : TrendGridLines(size))
        painter.drawLine(QPointF(0, y), QPointF(size.width(), y));

    const double radius = kTrendDotRadiusTwips * logicalDpiX() / 1440.0;
    QPointF previous(0, size.height());
    for (const QPointF& point : TrendPlotPoints(m_values, size)) {
        // Grid and stems stay crisp; dots and lines are smoothed.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::black);
        painter.drawLine(point, QPointF(point.x(), size.height()));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kDotColour);
        painter.drawEllipse(point, radius, radius);
        painter.setPen(kDotColour);
        painter.drawLine(point, previous);
        previous = point;
    }
}

TrendPanel::TrendPanel(QWidget* parent)
    : QFrame(parent), m_plot(new TrendPlot(this)),
      m_caption(new QLabel(QStringLiteral("Recent Papers Attempted"), this))
{
    setObjectName(QStringLiteral("RC3Trend"));
    setAutoFillBackground(true);
    m_caption->setAlignment(Qt::AlignCenter);
    for (int v = 100; v >= 0; v -= 10) {
        auto* label = new QLabel(QString::number(v) + QLatin1Char('%'), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_axis.append(label);
    }
}

void TrendPanel::resizeEvent(QResizeEvent*)
{
    const int left = kMargin + kAxisWidth + 4;
    const QRect plot(left, kMargin, qMax(42, width() - left - kMargin),
                     qMax(40, height() - 2 * kMargin - kCaptionHeight));
    m_plot->setGeometry(plot);
    // Each caption stands level with its grid line.
    const QRect inner = m_plot->contentsRect().translated(plot.topLeft());
    for (int i = 0; i < m_axis.size(); ++i) {
        const int y = inner.top() + qRound(i * 10 * inner.height() / 100.0);
        m_axis[i]->setGeometry(kMargin, y - 9, kAxisWidth, 18);
    }
    m_caption->setGeometry(plot.left(), plot.bottom() + 2, plot.width(), kCaptionHeight);
}

} // namespace orlavine
