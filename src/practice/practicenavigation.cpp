// The practice window's questions: moving between them, storing and saving the answers,
// the page and the remaining questions.
#include "practice/practicewindow.h"

#include "records/error.h"
#include "chrome/popupbox.h"
#include "practice/questionprinter.h"
#include "practice/questionview.h"
#include "practice/remainingbar.h"
#include "practice/sheetpanel.h"

#include <QLabel>

namespace orlavine {

bool PracticeWindow::isOpen() const
{
    return !m_attempt->isMarked();
}

bool PracticeWindow::canGoBack() const
{
    return m_question != 1;
}

bool PracticeWindow::canGoNext() const
{
    return m_question != m_attempt->questionCount();
}

void PracticeWindow::report(const QString& message)
{
    CallPop(QStringLiteral("Orlavine"), message, 1, this);
}

bool PracticeWindow::storeAndSave()
{
    m_attempt->storeAnswers(m_sheet->firstIndex(), m_sheet->typedAnswers());
    showProgress();
    try {
        m_attempt->save();
    } catch (const Error& e) {
        report(e.message());
        return false;
    }
    return true;
}

void PracticeWindow::goTo(int question, bool focusFirstBox)
{
    if (question < 1 || question > m_attempt->questionCount() || !storeAndSave())
        return;
    m_question = question;
    showQuestion();
    if (focusFirstBox)
        m_sheet->focusFirstBox();
}

void PracticeWindow::nextQuestion()
{
    goTo(m_question + 1, true);
}

void PracticeWindow::previousQuestion()
{
    goTo(m_question - 1, true);
}

void PracticeWindow::pickRemainingQuestion(int question)
{
    goTo(question, true); // the pupil types the answer next, not into the list
}

void PracticeWindow::showQuestion()
{
    m_sheet->build(SheetFor(*m_attempt, m_question), m_attempt->isMarked());
    showQuestionPage();
    listRemainingQuestions();
    showProgress();
}

bool PracticeWindow::hasSolution() const
{
    return m_attempt->isMarked() &&
           QuestionPageFile::HasSolution(m_attempt->content().questionIds.at(m_question - 1));
}

bool PracticeWindow::solutionShown() const
{
    return m_solutionChosen && hasSolution();
}

void PracticeWindow::toggleSolution()
{
    if (!hasSolution())
        return;
    m_solutionChosen = !m_solutionChosen;
    showQuestionPage();
    showProgress();
}

void PracticeWindow::showQuestionAt(int question, bool solution)
{
    m_solutionChosen = solution;
    if (question != m_question) {
        goTo(question, !solution);
    } else {
        showQuestionPage();
        showProgress();
    }
}

void PracticeWindow::showQuestionPage()
{
    const QByteArray id = m_attempt->content().questionIds.at(m_question - 1);
    const auto title = [this](const QString& text) {
        m_questionTitle->setText(text);
        m_questionTitle->adjustSize();
    };
    title(QStringLiteral("Question %1").arg(m_question));
    if (solutionShown()) {
        try {
            m_view->showPage(m_page.showSolution(id));
            title(QStringLiteral("Question %1: worked solution").arg(m_question));
            return;
        } catch (const Error& error) {
            // The question stays usable: its page comes back in place of the solution.
            m_solutionChosen = false;
            report(QStringLiteral("The worked solution of question %1 cannot be shown: %2")
                       .arg(m_question)
                       .arg(error.reason()));
        }
    }
    try {
        m_view->showPage(m_page.show(id));
    } catch (const Error& error) {
        // Never leave the page of another question under this question's title.
        m_view->showBlank();
        report(QStringLiteral("Question %1 cannot be shown: %2")
                   .arg(m_question)
                   .arg(error.reason()));
    }
}

void PracticeWindow::listRemainingQuestions()
{
    m_remaining->setQuestions(
        RemainingQuestions(m_attempt->answers(), m_attempt->content().subAnswerCounts));
}

void PracticeWindow::savePaper()
{
    if (!isOpen() || !storeAndSave())
        return;
    CallPop(QStringLiteral("Orlavine"), QStringLiteral("Paper saved"), 1, this);
}

void PracticeWindow::printQuestion()
{
    m_printer->print(m_caption + QStringLiteral(" - Question ") + QString::number(m_question) +
                     (solutionShown() ? QStringLiteral(" - Worked solution") : QString()));
}

void PracticeWindow::closePaper()
{
    if (CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, this))
        close();
}

} // namespace orlavine
