#pragma once

#include "report/practisenext.h"

#include <QScrollArea>

#include <functional>

class QVBoxLayout;

namespace orlavine {

/// The section `RC4Practise` of the report page, "What to Practise Next": per topic of
/// the module its name, then one entry per question still wrong in the latest marked
/// attempt of a paper (paper, question, the pupil's answer and the expected one), the
/// most recent first. An entry is a button: a click, Enter or Space opens that question.
/// With no entry it says so in one encouraging sentence.
class PractisePanel : public QScrollArea {
public:
    explicit PractisePanel(QWidget* parent);

    /// Shows the questions of `topics` (0..9) under the names of the module's first
    /// `topicCount` topics; `anyMarked` tells which sentence an empty list says.
    void showQuestions(const std::array<QList<WrongQuestion>, 10>& topics, const Fields& names,
                       int topicCount, bool anyMarked);
    /// Runs when the pupil chooses an entry.
    void setOnChoose(std::function<void(const WrongQuestion&)> onChoose)
    {
        m_onChoose = std::move(onChoose);
    }

private:
    QVBoxLayout* m_list = nullptr;
    std::function<void(const WrongQuestion&)> m_onChoose;
};

} // namespace orlavine
