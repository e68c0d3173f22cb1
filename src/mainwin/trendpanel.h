#pragma once

#include <QFrame>
#include <QList>

class QLabel;

namespace orlavine {

/// The drawing area `RC3TrendPlot`: a grid of 10 % steps and, per trend value, a black
/// stem to the bottom edge, a blue dot and a blue line from the point before it (the
/// first from the bottom-left corner). Drawn afresh on every paint, scaled to its size.
class TrendPlot : public QFrame {
public:
    explicit TrendPlot(QWidget* parent);

    void setValues(const QList<double>& values);
    const QList<double>& values() const { return m_values; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<double> m_values;
};

/// The trend section `RC3Trend`: the plot, the axis captions "100%".."0%" beside it and
/// the caption "Recent Papers Attempted" under it.
class TrendPanel : public QFrame {
public:
    explicit TrendPanel(QWidget* parent);

    void setValues(const QList<double>& values) { m_plot->setValues(values); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TrendPlot* m_plot;
    QList<QLabel*> m_axis;
    QLabel* m_caption;
};

} // namespace orlavine
