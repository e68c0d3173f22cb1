#pragma once

#include "records/recordfile.h"

#include <QPoint>
#include <QWidget>

#include <array>

class QLabel;

namespace orlavine {

class PictureButton;

/// The right half of the home page: the selected topic's name `SubH1` over its five papers,
/// each on its band with the caption `LblP1`..`LblP5`, the first- and second-attempt rows
/// with their buttons `P1a`..`P5a` and `P1b`..`P5b`, their scores `MSA1`..`MSA5` and
/// `MSB1`..`MSB5`, and the percent column `Percent1a` behind the scores. Positions are in
/// twips.
class PaperGrid : public QWidget {
    Q_OBJECT
  public:
    explicit PaperGrid(QWidget* parent);

    /// TopicChoosing's work for the topic whose first paper index is `first` (1, 6, .. 46):
    /// the scores of its five papers from the first- and second-attempt lists (50 entries
    /// each, as stored), its name in SubH1 (on one line, elided if long), then ShowPaperGrid.
    void showTopic(int first, const Fields& firstScores, const Fields& secondScores,
                   const QString& topicName);
    /// ShowPaperGrid: a score stands with its right edge 20 twips left of the percent
    /// column; an empty one covers the row's "%"; the second-attempt button is shown
    /// exactly when the first attempt scored 99 or less.
    void showPaperGrid();
    /// Left edge of the percent column.
    int percentLeft() const;
    /// The shown topic's name in full.
    QString topicName() const { return m_topicName; }

  signals:
    /// A paper button was clicked (or pressed by a key): paper `offset` + 1 of the topic, attempt 1 or 2.
    void paperRequested(int offset, int attempt);

  protected:
    /// The arrow keys move the focus over the paper buttons: Up and Down from paper to
    /// paper, Left and Right between a paper's two attempts.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString m_topicName;
    QLabel* m_heading;
    QWidget* m_percent;
    std::array<QLabel*, 5> m_first;
    std::array<QLabel*, 5> m_second;
    std::array<PictureButton*, 5> m_firstButtons;
    std::array<PictureButton*, 5> m_secondButtons;
};

} // namespace orlavine
