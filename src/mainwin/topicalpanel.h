#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace orlavine {

struct TopicFigures;

/// The topical section `RC2Topical` of the report page: per topic k (1..10) its name
/// `TopLabk`, and for the first (A) and second (B) attempt a bar `TBarkA` on its
/// background `TBackkA` with the average as text `TMarkkA`. A long name wraps onto a second
/// line while the panel has room for the rows below to move down, else it is elided.
class TopicalPanel : public QFrame {
public:
    explicit TopicalPanel(QWidget* parent);

    /// Fills row k (0-based) from the topic's figures: names, marks, and bars whose
    /// lengths follow the unrounded averages (100 % fills the background).
    void ShowTopicResult(int row, const TopicFigures& topic);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Bar {
        QFrame* back;
        QFrame* bar;
        QLabel* mark;
        double average = 0;
    };
    struct Row {
        QLabel* name;
        QString text;
        bool shown = false;
        std::array<Bar, 2> bars;
    };

    Bar makeBar(const QString& id, const QColor& colour);
    void layOutRows();
    void sizeBar(const Bar& bar);

    std::array<Row, 10> m_rows;
    QWidget* m_legend = nullptr;
};

} // namespace orlavine
