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
#include "chrome/fittext.h"
#include "chrome/popupbox.h"
#include "chrome/framelayout.h"
#include "chrome/pagescroller.h"
#include "chrome/skinnedframe.h"
#include "mainwin/trashpage.h"
#include "chrome/twips.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QFile>

namespace orlavine {

namespace {

const QColor kWindowColour(244, 245, 235);

} // namespace

Contents::Contents(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Contents"));
    for (auto& list : m_marks)
        list = Fields(50);

    // 1. The pictures: written out, then every control takes its own from the skin.
    ExtractGraphics();
    Skin::reload();
    // 2, 3. Place and size the window, then its frame and rounded outline.
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())
                             ->availableGeometry();
    setGeometry(FitInside(TwipsRect(60, 60, 6070, 7380, this).translated(screen.topLeft()), screen));
    buildWindow();
    m_frame->layOut();
    // 5, 6. Settings, then the learner files of every configured module.
    readSettings();
    ensureLearnerRecords();
    // 7 to 9. Captions, tooltips and the tabs.
    const QString name = DecodeRecordText(m_settings.name);
    m_frame->setTitle(name);
    m_about->setProgramName(name);
    m_navigation->setUp(m_settings);
    for (QWidget* page : {static_cast<QWidget*>(m_trash), static_cast<QWidget*>(m_about),
                          static_cast<QWidget*>(m_home)})
        placePage(page);
    // 11. The first module that exists: its tab's click shows its home page.
    const int first = m_settings.firstModule();
    if (first != 0) {
        TabClick(first);
    } else {
        RaiseTab(m_selection.frontTab);
        m_home->showNoModule();
    }
    // 12.
    m_selection.toolbarPosition = 1;
    m_selection.reportSection = 1;
    m_selection.firstPaperOfTopic = 1;
    // The window itself holds the focus at start: no control shows the focus mark until
    // the pupil presses Tab, and the first Tab reaches the first tab.
    setFocus(Qt::OtherFocusReason);
}

Contents::~Contents() = default;

void Contents::buildWindow()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    setPalette(palette);

    m_frame = new SkinnedFrame(this, FrameKind::Main);
    m_frame->closeButton()->setToolTip(QStringLiteral("Close"));
    m_frame->minButton()->setToolTip(QStringLiteral("Minimize"));
    connect(m_frame->closeButton(), &PictureButton::clicked, this, &Contents::CloseProgram);
    connect(m_frame->minButton(), &PictureButton::clicked, this, &QWidget::showMinimized);

    m_navigation = new Navigation(this);
    connect(m_navigation, &Navigation::tabClicked, this, &Contents::TabClick);
    connect(m_navigation, &Navigation::toolBarClicked, this, &Contents::ToolBarClick);

    m_trash = new TrashPage(this, [this] { return resetResults(); });
    m_about = new AboutPage(this);
    new PageScroller(m_about, this);
    connect(m_about, &AboutPage::linkClicked, this, [this] {
        if (m_hooks.openMakerPage)
            m_hooks.openMakerPage();
    });
    attachReportAndPrinting();
    m_home = new HomePage(this);
    // The pages of fixed layout scroll in a window shorter than they are.
    new PageScroller(m_home, this);
    connect(m_home, &HomePage::paperRequested, this, &Contents::OpenPaper);
    connect(m_home, &HomePage::topicSelected, this,
            [this](int firstPaper) { m_selection.firstPaperOfTopic = firstPaper; });
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
        const StartUpCheck check = EnsureLearnerRecords(m_settings, Now());
        if (check.backup.isEmpty())
            return;
        const QString copy = ShownFolder(check.backup);
        CallPop(QStringLiteral("Orlavine"),
                check.reset ? QStringLiteral("Your results could not be read, so they have been "
                                             "started afresh; a copy of the earlier files is in %1.")
                                  .arg(copy)
                            : QStringLiteral("Some of your results were damaged and have been "
                                             "repaired; a copy of the damaged file is in %1.")
                                  .arg(copy),
                1, this);
    } catch (const Error& error) {
        showError(error);
    }
}

std::optional<QString> Contents::resetResults()
{
    try {
        return ResetLearnerRecords(m_settings, Now());
    } catch (const Error& error) {
        showError(error);
        return std::nullopt;
    }
}

} // namespace orlavine
