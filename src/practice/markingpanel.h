#pragma once

#include <QLabel>
#include <QTimer>

#include <array>
#include <functional>

namespace orlavine {

/// The marking panel `fmeMark`: fifteen progress pictures `imgBar01`..`imgBar15` that
/// appear one at a time while the paper is being marked.
class MarkingPanel : public QLabel {
    Q_OBJECT
  public:
    MarkingPanel(const QPixmap& background, const QPixmap& bar, QWidget* parent);

    /// Shows the panel, then each bar in turn after a pause, hides the panel again once
    /// the fifteenth bar has been shown and then calls `done`. Meanwhile the application
    /// takes no key, click or wheel input; timers and painting go on. With no pause,
    /// calls `done` at once.
    void play(std::function<void()> done);

    /// Whether the animation is playing.
    bool isPlaying() const { return m_step.isActive(); }

    /// Ends a playing animation at once: hides the panel and calls its `done`.
    void finish();

    /// The pause before each bar, 200 ms unless a test or a benchmark sets it; 0 leaves
    /// the animation out.
    static void SetPause(int milliseconds);

    QLabel* bar(int k) const { return m_bars.at(k - 1); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showNextBar();

    std::array<QLabel*, 15> m_bars{};
    QTimer m_step;
    int m_shown = 0;
    std::function<void()> m_done;
};

} // namespace orlavine
