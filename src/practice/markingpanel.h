#pragma once

#include <QLabel>

#include <array>

namespace orlavine {

/// The marking panel `fmeMark`: fifteen progress pictures `imgBar01`..`imgBar15` that
/// appear one at a time while the paper is being marked.
class MarkingPanel : public QLabel {
    Q_OBJECT
  public:
    MarkingPanel(const QPixmap& background, const QPixmap& bar, QWidget* parent);

    /// Shows the panel, then each bar in turn after a pause, and hides the panel again
    /// once the fifteenth bar has been shown. Takes no user input meanwhile; timers and
    /// painting go on.
    void play();

    /// The pause before each bar, 200 ms unless a test or a benchmark sets it; 0 leaves
    /// the animation out.
    static void SetPause(int milliseconds);
    static int Pause();

    QLabel* bar(int k) const { return m_bars.at(k - 1); }

  private:
    std::array<QLabel*, 15> m_bars{};
};

} // namespace orlavine
