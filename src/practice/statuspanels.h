#pragma once

#include <QLabel>
#include <QWidget>

namespace orlavine {

/// The panels below the answer sheet: the score (`PaperSum`, `Scoring`, `PScoring`) and
/// the status panels `Bot1` (the clock `lblClock`, after marking the time taken
/// `LTime`; in a second attempt `Label1` "Second Attempt"), `Bot2` (the date opened
/// `lblDate`, after marking the date completed `ETime`; first attempt only) and `Bot3`
/// (answered `lblAnsweredQ` "/" total `lblTotalQ`).
class StatusPanels : public QWidget {
    Q_OBJECT
  public:
    StatusPanels(bool secondAttempt, QWidget* parent);

    QLabel* clock() const { return m_clock; }
    QLabel* date() const { return m_date; }
    QLabel* timeTaken() const { return m_timeTaken; }
    QLabel* dateCompleted() const { return m_dateCompleted; }
    QLabel* answered() const { return m_answered; }
    QLabel* total() const { return m_total; }
    QLabel* score() const { return m_score; }
    QLabel* percent() const { return m_percent; }

    /// Open: the running clock and the opening date; marked: the time taken, the date
    /// completed and the score.
    void showMarked(bool marked);

  private:
    QLabel* addPanel(const QString& name, const QString& picture);

    QLabel* m_clock = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_timeTaken = nullptr;
    QLabel* m_dateCompleted = nullptr;
    QLabel* m_answered;
    QLabel* m_total;
    QWidget* m_scorePanel;
    QLabel* m_score;
    QLabel* m_percent;
};

} // namespace orlavine
