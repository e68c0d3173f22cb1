#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace orlavine {

struct ReportFigures;
class HeaderBar;
class StateFields;
class TopicalPanel;
class TrendPanel;

/// The report page `Body_Report` of the main window: three sections stacked like an
/// accordion (overall results `RC1Summary`, topical results `RC2Topical`, trend
/// `RC3Trend`) under the header bars `RCBar1`..`RCBar3`, one section open at a time.
/// The page computes nothing: FillReport writes figures computed by the core
/// (LoadReportFigures) into its controls. The open section is the main window's state
/// field txtReportPos.
class ReportPage : public QWidget {
public:
    /// `state` holds txtReportPos; it must outlive the page.
    explicit ReportPage(StateFields* state, QWidget* parent = nullptr);

    /// Shows the figures: the overall averages, papers completed, strongest and weakest
    /// topic, the topic rows (rows beyond the module's topic count hidden) and the trend.
    void FillReport(const ReportFigures& figures);

    /// Places the header bars and the open section's panel by txtReportPos ("1", "2",
    /// anything else opens section 3) and brings them in front. The panels of the closed
    /// sections stay where they were, behind.
    void ArrangeReport();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildSummary();
    void openSection(int section);

    StateFields* m_state;
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
