// The main window's start-up (its load event): everything runs once, in this order,
// before the window is first shown.
#include "mainwin/contents.h"

#include "mainwin/aboutpage.h"
#include "mainwin/cardprinter.h"
#include "marking/clock.h"
#include "records/error.h"
#include "mainwin/homepage.h"
#include "mainwin/navigation.h"
#include "chrome/picturebutton.h"
#include "records/pictures.h"
#include "records/programfolder.h"
#include "records/recordtext.h"
#include "records/resources.h"
#include "chrome/skin.h"
#include "chrome/skinnedframe.h"
#include "chrome/statefields.h"
#include "mainwin/trashpage.h"
#include "chrome/twips.h"

#include <QDir>
#include <QFile>

namespace orlavine {

namespace {

const QColor kWindowColour(244, 245, 235);

void SetInitialStateFields(StateFields& state)
{
    const std::pair<const char*, const char*> initial[] = {
        {"LChose", "1"},        {"lblCOD", ""},         {"TopicCount", "1"},
        {"TtPapersCon", ""},    {"PaperNum", ""},       {"TakeNum", ""},
        {"txtTabPos", "1"},     {"txtToolBarPos", "0"}, {"txtReportPos", "1"},
        {"txtPressTrack", "0"}, {"RefreshLog", "off"},  {"ContentsFocus", "1"},
        {"PopUpResponse", ""}};
    for (const auto& [name, text] : initial)
        state.setValue(QString::fromLatin1(name), QString::fromLatin1(text));
}

} // namespace

Contents::Contents(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Contents"));
    m_state = new StateFields(this);
    SetInitialStateFields(*m_state);
    for (auto& list : m_marks)
        list = Fields(50);

    // 1. The pictures: written out, then every control takes its own from the skin.
    ExtractGraphics();
    Skin::reload();
    // 2, 3. Place and size the window, then its frame and rounded outline.
    setGeometry(TwipsRect(60, 60, 6070, 7380, this));
    buildWindow();
    m_frame->layOut();
    // 5, 6. Settings, then the learner files of every configured module.
    readSettings();
    ensureLearnerRecords();
    // 7 to 9. Captions, tooltips and the tabs.
    const QString name = DecodeRecordText(m_settings.name);
    m_frame->setTitle(name);
    m_about->setProgramName(name);
    m_state->setValue(QStringLiteral("lblCOD"), DecodeRecordText(m_settings.code));
    m_navigation->setUp(m_settings);
    for (QWidget* page : {static_cast<QWidget*>(m_trash), static_cast<QWidget*>(m_about),
                          static_cast<QWidget*>(m_home)})
        placePage(page);
    // 10. The timer for the hover pictures.
    StartHoverTimer(this, [this](const QPoint& pointer) { Timer1Tick(pointer); });
    // 11. The first module that exists: its tab's click shows its home page.
    const int first = m_settings.firstModule();
    if (first != 0) {
        m_state->setValue(QStringLiteral("LChose"), QString::number(first));
        m_state->setValue(QStringLiteral("txtTabPos"), QString::number(first));
        TabClick(first);
    } else {
        RaiseTab(m_state->number(QStringLiteral("txtTabPos")));
        m_home->showNoModule();
    }
    // 12.
    m_state->setValue(QStringLiteral("txtToolBarPos"), QStringLiteral("1"));
    m_state->setValue(QStringLiteral("txtReportPos"), QStringLiteral("1"));
    m_state->setValue(QStringLiteral("TopicCount"), QStringLiteral("1"));
    Timer1Tick(QPoint(-1, -1));
}

Contents::~Contents() = default;

void Contents::buildWindow()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    setPalette(palette);

    m_frame = new SkinnedFrame(this, FrameKind::Main, m_state, QStringLiteral("ContentsFocus"));
    m_frame->closeButton()->setToolTip(QStringLiteral("Close"));
    m_frame->minButton()->setToolTip(QStringLiteral("Minimize"));
    connect(m_frame->closeButton(), &PictureButton::clicked, this, &Contents::CloseProgram);
    connect(m_frame->minButton(), &PictureButton::clicked, this, &QWidget::showMinimized);

    m_navigation = new Navigation(this, *m_state);
    connect(m_navigation, &Navigation::tabClicked, this, &Contents::TabClick);
    connect(m_navigation, &Navigation::toolBarClicked, this, &Contents::ToolBarClick);

    m_trash = new TrashPage(this, [this] { return resetResults(); });
    m_about = new AboutPage(this);
    connect(m_about, &AboutPage::linkClicked, this, [this] {
        if (m_hooks.openMakerPage)
            m_hooks.openMakerPage();
    });
    attachReportAndPrinting();
    m_home = new HomePage(this, *m_state);
    connect(m_home, &HomePage::paperRequested, this, &Contents::OpenPaper);
}

void Contents::readSettings()
{
    try {
        m_settings = ReadSettings();
    } catch (const Error& error) {
        m_settings = PackageSettings();
        showError(error);
    }
}

void Contents::ensureLearnerRecords()
{
    // A missing file resets every module's files; the core backs up what exists first.
    try {
        EnsureLearnerRecords(m_settings, Now());
    } catch (const Error& error) {
        showError(error);
    }
}

bool Contents::resetResults()
{
    try {
        ResetLearnerRecords(m_settings, Now());
        return true;
    } catch (const Error& error) {
        showError(error);
        return false;
    }
}

} // namespace orlavine
