// The main window's toolbar actions built on the report page, the results card and the
// maker's web page: the default hooks of ShowPage and of the About page's link.
#include "mainwin/contents.h"

#include "mainwin/cardprinter.h"
#include "records/error.h"
#include "mainwin/makerpage.h"
#include "mainwin/practisepanel.h"
#include "mainwin/pupilprompts.h"
#include "records/recordtext.h"
#include "report/practisenext.h"
#include "report/reportfigures.h"
#include "mainwin/reportpage.h"

namespace orlavine {

void Contents::attachReportAndPrinting()
{
    m_printer = std::make_unique<CardPrinter>(this, PopUpPrompts(this));
    m_hooks.showReport = [this] { ShowReport(); };
    m_hooks.printResultsCard = [this] {
        const int module = m_selection.chosenModule;
        if (module >= 1 && module <= 3 && m_settings.module(module).exists())
            m_printer->PrintResultsCard(m_settings.name, m_settings.module(module), m_marks);
    };
    m_hooks.printSetup = [this] { m_printer->PrintSetup(); };
    m_hooks.openMakerPage = [this] { OpenMakerPage(this); };
}

void Contents::ShowReport()
{
    const int module = m_selection.chosenModule;
    if (module < 1 || module > 3 || !m_settings.module(module).exists())
        return;
    if (!m_report) { // built on first use: its widgets need not slow the start
        m_report = new ReportPage(this);
        connect(m_report, &ReportPage::sectionOpened, this, [this](int section) {
            m_selection.reportSection = section;
            if (section == 4)
                ShowQuestionsToPractise();
        });
        m_report->practisePanel()->setOnChoose(
            [this](const WrongQuestion& question) { OpenQuestionToPractise(question); });
    }
    try {
        m_report->FillReport(
            LoadReportFigures(m_marks, m_settings.module(module), module, m_settings.code));
    } catch (const Error& error) {
        showError(error);
        return;
    }
    placePage(m_report);
    m_report->openSection(m_selection.reportSection);
}

void Contents::ShowQuestionsToPractise()
{
    const int module = m_selection.chosenModule;
    const ModuleSettings& settings = m_settings.module(module);
    try {
        m_report->practisePanel()->showQuestions(
            LoadQuestionsToPractise(m_marks, settings, module, m_settings.code),
            settings.topicNames, settings.topicCount, AnyPaperMarked(m_marks));
    } catch (const Error& error) {
        showError(error);
    }
}

void Contents::OpenQuestionToPractise(const WrongQuestion& question)
{
    const int module = m_selection.chosenModule;
    const ModuleSettings& settings = m_settings.module(module);
    if (!m_hooks.openPracticeWindow)
        return;
    m_selection.paper = question.paperNumber;
    m_selection.attempt = question.attempt == AttemptKind::First ? 1 : 2;
    const int topic = (question.paperNumber - 101) / 5;
    PaperChoice choice;
    choice.kind = question.attempt;
    choice.paper = PaperRef{module, m_settings.code, question.paperNumber, settings.paperCount};
    choice.firstPaperOfTopic = 5 * topic + 1;
    choice.topicName = DecodeRecordText(settings.topicNames.value(topic)).trimmed();
    choice.question = question.question;
    choice.showSolution = true;
    m_hooks.openPracticeWindow(choice);
}

} // namespace orlavine
