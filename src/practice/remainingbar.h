#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;

namespace orlavine {

/// The bar below the question page holding the remaining-questions panel `TxtRem`:
/// "Qns left:" (`TxtRemlbl`) and the drop-down list `RemQns` of the questions with a
/// blank sub-answer, prompting "Select a remaining question".
class RemainingBar : public QWidget {
    Q_OBJECT
  public:
    /// `picked` hears the question number the pupil picks.
    RemainingBar(std::function<void(int question)> picked, QWidget* parent);

    /// ListRemainingQuestions: the list holds exactly `questions`, in their order.
    void setQuestions(const QList<int>& questions);
    QList<int> questions() const;
    QComboBox* list() const { return m_list; }
    /// Hides or shows `TxtRem`; the bar itself stays.
    void setPanelVisible(bool visible);
    static int barHeight() { return 26; }

  private:
    QLabel* m_panel;
    QComboBox* m_list;
};

} // namespace orlavine
