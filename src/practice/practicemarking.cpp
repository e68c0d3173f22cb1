// The practice window's marking: MarkPaper and the marked state.
#include "practice/practicewindow.h"

#include "chrome/accessibility.h"

#include "marking/clock.h"
#include "records/error.h"
#include "practice/markingpanel.h"
#include "chrome/popupbox.h"
#include "records/recordtext.h"
#include "practice/remainingbar.h"
#include "practice/sheetpanel.h"
#include "practice/statuspanels.h"

namespace orlavine {

void PracticeWindow::markPaper()
{
    if (m_attempt->isMarked()) {
        showMarkedState();
        return;
    }
    if (!storeAndSave())
        return;
    if (!CallPop(QStringLiteral("Marking"), m_attempt->markingQuestion(), 2, this))
        return;
    m_marking->play([this] { recordMarking(); });
}

void PracticeWindow::recordMarking()
{
    std::optional<MarkingOutcome> outcome;
    try {
        outcome = m_attempt->mark(Now());
    } catch (const Error& e) {
        report(e.message());
        return;
    }
    if (!outcome)
        return;
    m_status->score()->setText(QString::number(outcome->score));
    m_status->percent()->setText(DecodeRecordText(outcome->percent));
    AnnounceReadout(m_status->score());
    if (m_status->timeTaken()) {
        m_status->timeTaken()->setText(DecodeRecordText(outcome->timeTaken));
        m_status->dateCompleted()->setText(DecodeRecordText(outcome->date));
    }
    showMarkedState();
}

void PracticeWindow::showMarkedState()
{
    m_remaining->setPanelVisible(false);
    m_sheet->build(SheetFor(*m_attempt, m_question), true);
    m_status->showMarked(true);
    showProgress();
}

} // namespace orlavine
