#include "practice/practicewindow.h"

#include "chrome/accessibility.h"
#include "chrome/framelayout.h"

#include "marking/clock.h"
#include "practice/cornerresizer.h"
#include "records/error.h"
#include "practice/markingpanel.h"
#include "marking/numbers.h"
#include "practice/pageguard.h"
#include "chrome/picturebutton.h"
#include "chrome/popupbox.h"
#include "practice/practicetoolbar.h"
#include "practice/questionprinter.h"
#include "practice/questionview.h"
#include "records/recordtext.h"
#include "practice/remainingbar.h"
#include "practice/sheetpanel.h"
#include "chrome/skin.h"
#include "chrome/skinnedframe.h"
#include "practice/statuspanels.h"
#include "chrome/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace orlavine {

namespace {

const QColor kStripColour(244, 245, 235);
const QString kHideHint = QStringLiteral("Hide answer sheet (Ctrl+H)");
const QString kShowHint = QStringLiteral("Show answer sheet (Ctrl+H)");

QWidget* ColouredStrip(QWidget* parent)
{
    auto* strip = new QWidget(parent);
    strip->setAutoFillBackground(true);
    QPalette p = strip->palette();
    p.setColor(QPalette::Window, kStripColour);
    strip->setPalette(p);
    return strip;
}

} // namespace

PracticeWindow* PracticeWindow::Open(const PaperChoice& choice)
{
    auto* window = new PracticeWindow(choice);
    try {
        window->openPaper();
    } catch (const Error& e) {
        delete window; // never shown, so never closed: the main window needs no refresh
        CallPop(QStringLiteral("Orlavine"), e.message(), 1, nullptr);
        return nullptr;
    }
    if (choice.showSolution)
        window->showQuestionAt(choice.question, true);
    window->show();
    window->activateWindow(); // also where no window manager activates a new window
    // The pupil can type the first answer at once, as after every move between questions.
    window->m_sheet->focusFirstBox();
    return window;
}

PracticeWindow::PracticeWindow(const PaperChoice& choice) : m_choice(choice)
{
    setObjectName(choice.kind == AttemptKind::First ? QStringLiteral("Test1")
                                                    : QStringLiteral("Test2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    buildParts();
}

PracticeWindow::~PracticeWindow()
{
    m_printer->releaseView();
}

void PracticeWindow::buildParts()
{
    const bool second = m_choice.kind == AttemptKind::Second;
    m_frame = new SkinnedFrame(this, FrameKind::Practice);
    m_toolbar = new PracticeToolbar(
        [this](ToolbarSlot slot) {
            switch (slot) {
            case SaveSlot:
                savePaper();
                break;
            case MarkSlot:
                markPaper();
                break;
            case PrintSlot:
                printQuestion();
                break;
            case CloseSlot:
                closePaper();
                break;
            case BackSlot:
                previousQuestion();
                break;
            case NextSlot:
                nextQuestion();
                break;
            case SolutionSlot:
                toggleSolution();
                break;
            }
        },
        this);

    m_view = new QuestionView(this);
    new PageGuard(m_view);
    m_printer = new QuestionPrinter(m_view, this);

    m_titleBar = ColouredStrip(this);
    m_titleBar->setObjectName(QStringLiteral("QnTitleBar"));
    m_questionTitle = new QLabel(m_titleBar);
    m_questionTitle->setObjectName(QStringLiteral("QnTitle"));
    m_questionTitle->move(8, 2);
    QFont bold = m_questionTitle->font();
    bold.setBold(true);
    m_questionTitle->setFont(bold);

    m_remaining = new RemainingBar([this](int q) { pickRemainingQuestion(q); }, this);

    m_handleStrip = ColouredStrip(this);
    m_handleStrip->setObjectName(QStringLiteral("PicHideAns"));
    m_handle = new PictureButton(QStringLiteral("ImgHandle"), pic::Handle, m_handleStrip);
    m_handle->setToolTip(kHideHint);
    m_handle->setKeyboardReachable(true);
    m_handleStrip->resize(m_handle->width(), m_handle->height());
    connect(m_handle, &PictureButton::clicked, this, [this] { toggleAnswerSheet(); });

    m_sheet = new SheetPanel(second, this);
    m_sheet->setInstructionPicture(Skin::picture(pic::Instruction));
    m_status = new StatusPanels(second, m_sheet);
    m_sheet->column()->addWidget(m_status);
    m_marking =
        new MarkingPanel(Skin::picture(pic::BottomBg4), Skin::picture(pic::ProgressBar), m_sheet);

    m_sizer = new QLabel(this);
    m_sizer->setObjectName(QStringLiteral("Sizer"));
    m_sizer->setPixmap(Skin::picture(pic::StatusGrabber));
    m_sizer->adjustSize();
    QList<QWidget*> edges, top;
    for (const char* name : {"BLeft", "BRight", "BBotLeft", "BBot", "BBotRight"})
        edges << findChild<QWidget*>(QString::fromLatin1(name));
    for (const char* name : {"BTopLeft", "BTopCentre", "BTopRight"})
        top << findChild<QWidget*>(QString::fromLatin1(name));
    edges.removeAll(nullptr);
    top.removeAll(nullptr);
    new CornerResizer(this, m_sizer, edges, top);

    connect(m_frame->closeButton(), &PictureButton::clicked, this, [this] { closePaper(); });
    connect(m_frame->minButton(), &PictureButton::clicked, this, [this] { showMinimized(); });
    connect(m_frame->maxButton(), &PictureButton::clicked, this, [this] {
        if (isMinimized())
            return;
        if (isMaximized())
            showNormal();
        else
            showMaximized();
    });
    // For pupils who work from the keyboard.
    auto* next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this, [this] {
        if (canGoNext())
            nextQuestion();
    });
    auto* back = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(back, &QShortcut::activated, this, [this] {
        if (canGoBack())
            previousQuestion();
    });
    auto* solution = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(solution, &QShortcut::activated, this, [this] { toggleSolution(); });
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [this] {
        if (isOpen())
            savePaper();
    });
    // These press their button, when it can be pressed, so they do just what a click does.
    const auto press = [this](const QKeySequence& keys, PictureButton* button) {
        connect(new QShortcut(keys, this), &QShortcut::activated, button, [button] {
            if (button->isEnabled() && !button->isHidden())
                button->click();
        });
    };
    press(QKeySequence(Qt::CTRL | Qt::Key_M), m_toolbar->button(MarkSlot));
    press(QKeySequence(Qt::CTRL | Qt::Key_P), m_toolbar->button(PrintSlot));
    press(QKeySequence(Qt::CTRL | Qt::Key_W), m_toolbar->button(CloseSlot));
    press(QKeySequence(Qt::Key_Escape), m_toolbar->button(CloseSlot));
    press(QKeySequence(Qt::CTRL | Qt::Key_H), m_handle);
}

void PracticeWindow::openPaper()
{
    const QRect screen =
        (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    setGeometry(FitInside(QRect(screen.x() + qMax(0, screen.width() - Twips(12500, this)),
                                screen.y() + qMax(0, screen.height() - Twips(10000, this)),
                                Twips(12000, this), Twips(9000, this)),
                          screen));

    m_caption = m_choice.topicName + QStringLiteral(" - Paper ") +
                QString::number(m_choice.paper.index() - m_choice.firstPaperOfTopic + 1);
    m_frame->setTitle(m_caption);

    m_attempt = std::make_unique<Attempt>(m_choice.kind, m_choice.paper);
    showQuestionPage();
    m_attempt->readRecords();
    m_sheet->build(SheetFor(*m_attempt, 1), m_attempt->isMarked());

    const bool marked = m_attempt->isMarked();
    if (m_status->timeTaken()) {
        m_status->timeTaken()->setText(DecodeRecordText(m_attempt->recordedTime()));
        m_status->dateCompleted()->setText(DecodeRecordText(m_attempt->recordedDate()));
    }
    m_status->percent()->setText(DecodeRecordText(m_attempt->recordedPercent()));
    m_status->score()->setText(marked ? QString::number(m_attempt->score()) : QString());
    listRemainingQuestions();
    if (marked)
        showMarkedState();

    m_sheetShown = true;
    m_attempt->setStartTime(Now());
    if (m_status->clock()) {
        // The clock shows whole seconds from the opening: it changes once a second.
        auto* clock = new QTimer(this);
        clock->setObjectName(QStringLiteral("Timer1"));
        clock->setTimerType(Qt::PreciseTimer);
        connect(clock, &QTimer::timeout, this, &PracticeWindow::showClock);
        clock->start(1000);
        showClock();
    }
    showProgress();
    m_status->total()->setText(QString::number(m_attempt->subAnswerTotal()));
    if (m_status->date())
        m_status->date()->setText(DecodeRecordText(ShortDateText(m_attempt->startTime().date())));
    layOutWindow();
}

void PracticeWindow::layOutWindow()
{
    PracticeSizes& s = m_sizes;
    s.client = size();
    s.topBar = m_frame->topHeight();
    s.leftSide = m_frame->leftWidth();
    s.rightSide = m_frame->rightWidth();
    s.bottom = m_frame->bottomHeight();
    s.toolbarHeight = m_toolbar->stripHeight();
    s.button = m_toolbar->buttonSize();
    s.remBarHeight = RemainingBar::barHeight();
    s.titleHeight = m_questionTitle->height() + 4;
    s.sheetWidth = m_sheet->width();
    s.handleWidth = m_handleStrip->width();
    s.sizer = m_sizer->size();
    s.twipsPerPixel = TwipsPerPixel(this);
    m_places = LayOutPractice(s);
    applyPlaces();
}

void PracticeWindow::applyPlaces()
{
    const PracticePlaces& p = m_places;
    m_toolbar->setGeometry(p.toolbar);
    m_toolbar->place(p.buttons);
    m_view->setGeometry(p.viewer);
    m_remaining->setGeometry(p.remBar);
    m_titleBar->setGeometry(p.questionTitle);
    m_titleBar->raise();
    m_handleStrip->setGeometry(p.handle);
    m_handle->move(0, (p.handle.height() - m_handle->height()) / 2);
    m_sheet->setGeometry(p.sheet);
    // A sheet pushed out of view takes no keys: typing never goes into a box not seen.
    m_sheet->setVisible(p.sheet.left() < width());
    m_marking->move((p.sheet.width() - m_marking->width()) / 2,
                    p.sheet.height() - m_status->height() - m_marking->height() - 4);
    m_sizer->move(p.sizer.topLeft());
    m_sizer->raise();
}

void PracticeWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutWindow();
}

void PracticeWindow::toggleAnswerSheet()
{
    m_sheetShown = !m_sheetShown;
    PlaceSheet(m_places, m_sizes, m_sheetShown);
    m_handle->setToolTip(m_sheetShown ? kHideHint : kShowHint);
    applyPlaces();
}

void PracticeWindow::showProgress()
{
    m_toolbar->enableButtons(isOpen(), canGoBack(), canGoNext());
    m_toolbar->showSolutionButton(hasSolution(), solutionShown());
    m_status->answered()->setText(QString::number(AnsweredCount(m_attempt->answers())));
    AnnounceReadout(m_status->answered());
}

void PracticeWindow::showClock()
{
    m_status->clock()->setText(
        QString::fromLatin1(ElapsedText(m_attempt->startTime().secsTo(Now()))));
}

bool PracticeWindow::holds(const PaperChoice& choice) const
{
    const PaperRef& paper = m_choice.paper;
    return choice.kind == m_choice.kind && choice.paper.module == paper.module &&
           choice.paper.code == paper.code && choice.paper.paperNumber == paper.paperNumber;
}

void PracticeWindow::closeForProgram()
{
    if (isOpen())
        storeAndSave(); // a failure is reported; the window closes all the same
    close();
}

void PracticeWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void PracticeWindow::closeEvent(QCloseEvent* event)
{
    // Closed while the marking plays: the paper is marked first, as it would be had the
    // close waited for the animation.
    if (m_marking->isPlaying())
        m_marking->finish();
    m_page.remove();
    event->accept();
    emit closed();
}

} // namespace orlavine
