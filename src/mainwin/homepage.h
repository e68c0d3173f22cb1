#pragma once

#include "records/recordfile.h"

#include <QWidget>

#include <array>

class QLabel;

namespace orlavine {

class ClickLabel;
class PaperGrid;

/// The home page `Body_Home`: on the left, under "Select a Topic", the module's topics
/// `Topic1`..`Topic10` with their bullets `Bullet1`..`Bullet10`; on the right, under
/// "Select a Paper", the selected topic's paper grid. When the package has no module the
/// page says so instead.
class HomePage : public QWidget {
    Q_OBJECT
  public:
    explicit HomePage(QWidget* parent);

    /// The end of LoadModuleMarks: the topic names (ten, those beyond `topicCount` empty),
    /// entries and bullets beyond the count hidden, and the module's first- and
    /// second-attempt scores (50 entries each) for the grid.
    void showModule(const Fields& topicNames, int topicCount, const Fields& firstScores,
                    const Fields& secondScores);
    /// Says plainly that there is no module to practise, in place of topics and grid.
    void showNoModule();
    /// The click on Topic `k` (1..10): its grid and colours; topicSelected(5 (k - 1) + 1).
    void selectTopic(int k);
    /// The selected topic's name in full (SubH1 elides a long one).
    QString selectedTopicName() const;
    PaperGrid* grid() const { return m_grid; }

  signals:
    /// Topic selected, by its first paper within the module (1, 6, ..., 46).
    void topicSelected(int firstPaper);
    void paperRequested(int offset, int attempt);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    /// Up and Down move the focus along the topic list.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void topicButtonColour(int selected);
    /// Places the entries and bullets, a long name on two lines while the page has room.
    void layOutTopics();

    Fields m_names;
    int m_topicCount = 0;
    Fields m_firstScores;
    Fields m_secondScores;
    std::array<ClickLabel*, 10> m_topics;
    std::array<QLabel*, 10> m_bullets;
    PaperGrid* m_grid;
    QLabel* m_noModule;
};

} // namespace orlavine
