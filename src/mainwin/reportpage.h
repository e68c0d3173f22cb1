#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace orlavine {

struct ReportFigures;
class HeaderBar;
class PractisePanel;
class TopicalPanel;
class TrendPanel;

/// The report page `Body_Report` of the main window: four sections stacked like an
/// accordion (overall results `RC1Summary`, topical results `RC2Topical`, trend
/// `RC3Trend`, what to practise next `RC4Practise`) under the header bars `RCBar1`..
/// `RCBar4`, one section open at a time. The page computes nothing: FillReport writes
/// figures computed by the core (LoadReportFigures) into its controls, and the fourth
/// section is filled by its owner when it opens. A click on a header bar opens its
/// section.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportPage(QWidget* parent = nullptr);

    /// Shows the figures: the overall averages, papers completed, strongest and weakest
    /// topic, the topic rows (rows beyond the module's topic count hidden) and the trend.
    void FillReport(const ReportFigures& figures);

    /// Places the header bars and the open section's panel (1 to 4, anything else opens
    /// section 3) and brings them in front: the bars of the sections up to the open one
    /// above it, the others below. The panels of the closed sections stay where they
    /// were, behind.
    void ArrangeReport();
    /// Opens section `section` (1..4) and arranges the page for it.
    void openSection(int section);
    /// The section open: 1 until another is opened.
    int openedSection() const { return m_openSection; }
    /// The fourth section, "What to Practise Next".
    PractisePanel* practisePanel() const { return m_practise; }

signals:
    /// A section was opened, by the pupil or by openSection.
    void sectionOpened(int section);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildSummary();

    int m_openSection = 1;
    std::array<HeaderBar*, 4> m_bars{};
    QWidget* m_summary = nullptr;
    TopicalPanel* m_topical = nullptr;
    std::array<QWidget*, 4> m_panels{}; // what each section shows: the panels above, scrolled
    TrendPanel* m_trend = nullptr;
    PractisePanel* m_practise = nullptr;
    QLabel* m_firstAverage = nullptr;
    QLabel* m_secondAverage = nullptr;
    QLabel* m_weakest = nullptr;
    QLabel* m_strongest = nullptr;
    QLabel* m_papersCompleted = nullptr;
};

} // namespace orlavine
