#include "mainwin/reportpage.h"

#include "chrome/pagescroller.h"
#include "mainwin/headerbar.h"
#include "mainwin/practisepanel.h"
#include "records/recordtext.h"
#include "report/reportfigures.h"
#include "mainwin/topicalpanel.h"
#include "mainwin/trendpanel.h"

#include <QGridLayout>
#include <QLabel>

namespace orlavine {

namespace {

QLabel* ValueLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("-"), parent);
    label->setObjectName(name);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return label;
}

} // namespace

ReportPage::ReportPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Report"));
    setAutoFillBackground(true);
    m_summary = buildSummary();
    m_topical = new TopicalPanel(this);
    m_trend = new TrendPanel(this);
    m_practise = new PractisePanel(this);
    // The figures scroll rather than squeeze when the window is short.
    m_panels = {new PageScroller(m_summary, this), new PageScroller(m_topical, this), m_trend,
                m_practise};
    const QStringList captions{QStringLiteral("Overall Results"), QStringLiteral("Topical Results"),
                               QStringLiteral("Trend Analysis"),
                               QStringLiteral("What to Practise Next")};
    const QStringList tooltips{QStringLiteral("Click to show overall results"),
                               QStringLiteral("Click to show topical results"),
                               QStringLiteral("Click to show past trends"),
                               QStringLiteral("Click to show the questions to practise")};
    for (int i = 0; i < 4; ++i) {
        m_bars[i] =
            new HeaderBar(QStringLiteral("RCBar%1").arg(i + 1), captions[i], tooltips[i], this);
        m_bars[i]->setOnClick([this, i] { openSection(i + 1); });
    }
    resize(600, 420);
}

QWidget* ReportPage::buildSummary()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RC1Summary"));
    panel->setAutoFillBackground(true);
    m_firstAverage = ValueLabel(QStringLiteral("OScore1"), panel);
    m_secondAverage = ValueLabel(QStringLiteral("OScore2"), panel);
    m_weakest = ValueLabel(QStringLiteral("WT"), panel);
    m_strongest = ValueLabel(QStringLiteral("ST"), panel);
    m_papersCompleted = ValueLabel(QStringLiteral("PCNum"), panel);
    const QList<std::pair<QString, QLabel*>> rows{
        {QStringLiteral("First Attempt Average Score:"), m_firstAverage},
        {QStringLiteral("Second Attempt Average Score:"), m_secondAverage},
        {QStringLiteral("Weakest Topic:"), m_weakest},
        {QStringLiteral("Strongest Topic:"), m_strongest},
        {QStringLiteral("Number of Papers Completed:"), m_papersCompleted}};
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    grid->setRowStretch(0, 1);
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(new QLabel(rows[i].first, panel), i + 1, 0, Qt::AlignRight);
        grid->addWidget(rows[i].second, i + 1, 1);
    }
    grid->setRowStretch(int(rows.size()) + 1, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

void ReportPage::FillReport(const ReportFigures& figures)
{
    for (int k = 0; k < 10; ++k)
        m_topical->ShowTopicResult(k, figures.topics[k]);
    m_firstAverage->setText(DecodeRecordText(figures.firstAverage));
    m_secondAverage->setText(DecodeRecordText(figures.secondAverage));
    m_papersCompleted->setText(DecodeRecordText(figures.papersCompleted));
    m_strongest->setText(DecodeRecordText(figures.strongest));
    m_weakest->setText(DecodeRecordText(figures.weakest));
    m_trend->setValues(figures.trend);
}

void ReportPage::openSection(int section)
{
    m_openSection = section;
    ArrangeReport();
    emit sectionOpened(section);
}

void ReportPage::ArrangeReport()
{
    const int open = m_openSection >= 1 && m_openSection <= 4 ? m_openSection - 1 : 2;
    int top = 0;
    for (int i = 0; i <= open; ++i) {
        m_bars[i]->setGeometry(0, top, width(), m_bars[i]->height());
        top += m_bars[i]->height();
    }
    int bottom = height();
    for (int i = int(m_bars.size()) - 1; i > open; --i) {
        bottom -= m_bars[i]->height();
        m_bars[i]->setGeometry(0, bottom, width(), m_bars[i]->height());
    }
    const std::array<QWidget*, 4>& panels = m_panels;
    panels[open]->setGeometry(0, top, width(), qMax(0, bottom - top));
    panels[open]->raise();
    // The closed sections are hidden, so the Tab key never reaches their controls.
    for (int i = 0; i < 4; ++i)
        panels[i]->setVisible(i == open);
    for (HeaderBar* bar : m_bars)
        bar->raise();
}

void ReportPage::resizeEvent(QResizeEvent*)
{
    ArrangeReport();
}

} // namespace orlavine
