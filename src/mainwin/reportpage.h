#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace orlavine {

struct ReportFigures;
class HeaderBar;
class TopicalPanel;
class TrendPanel;

/// The report page `Body_Report` of the main window: three sections stacked like an
/// accordion (overall results `RC1Summary`, topical results `RC2Topical`, trend
/// `RC3Trend`) under the header bars `RCBar1`..`RCBar3`, one section open at a time.
/// The page computes nothing: FillReport writes figures computed by the core
/// (LoadReportFigures) into its controls. A click on a header bar opens its section.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportPage(QWidget* parent = nullptr);

    /// Shows the figures: the overall averages, papers completed, strongest and weakest
    /// topic, the topic rows (rows beyond the module's topic count hidden) and the trend.
    void FillReport(const ReportFigures& figures);

    /// Places the header bars and the open section's panel (1, 2, anything else opens
    /// section 3) and brings them in front. The panels of the closed sections stay where
    /// they were, behind.
    void ArrangeReport();
    /// Opens section `section` (1..3) and arranges the page for it.
    void openSection(int section);
    /// The section open: 1 until another is opened.
    int openedSection() const { return m_openSection; }

signals:
    /// A section was opened, by the pupil or by openSection.
    void sectionOpened(int section);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildSummary();

    int m_openSection = 1;
    std::array<HeaderBar*, 3> m_bars{};
    QWidget* m_summary = nullptr;
    TopicalPanel* m_topical = nullptr;
    TrendPanel* m_trend = nullptr;
    QLabel* m_firstAverage = nullptr;
    QLabel* m_secondAverage = nullptr;
    QLabel* m_weakest = nullptr;
    QLabel* m_strongest = nullptr;
    QLabel* m_papersCompleted = nullptr;
};

} // namespace orlavine
