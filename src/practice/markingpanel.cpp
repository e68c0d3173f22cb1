#include "practice/markingpanel.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

namespace orlavine {

namespace {
int g_pause = 200;
constexpr int kGap = 2;
constexpr int kPadding = 8;

/// Input that could start something: keys, clicks, the wheel, touch and pen. Pointer
/// moves, entering and leaving still arrive.
bool StartsSomething(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}
} // namespace

MarkingPanel::MarkingPanel(const QPixmap& background, const QPixmap& bar, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("fmeMark"));
    setPixmap(background);
    setScaledContents(true);
    const QSize barSize = bar.isNull() ? QSize(12, 16) : bar.size();
    int left = kPadding;
    for (int k = 1; k <= 15; ++k) {
        QLabel* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("imgBar%1").arg(k, 2, 10, QLatin1Char('0')));
        picture->setPixmap(bar);
        picture->setGeometry(QRect(QPoint(left, 6), barSize));
        picture->hide();
        m_bars[k - 1] = picture;
        left += barSize.width() + kGap;
    }
    resize(left - kGap + kPadding, barSize.height() + 12);
    hide();
    m_step.setTimerType(Qt::PreciseTimer);
    connect(&m_step, &QTimer::timeout, this, &MarkingPanel::showNextBar);
}

void MarkingPanel::SetPause(int milliseconds)
{
    g_pause = milliseconds;
}

void MarkingPanel::play(std::function<void()> done)
{
    m_done = std::move(done);
    if (g_pause <= 0) {
        finish();
        return;
    }
    for (QLabel* picture : m_bars)
        picture->hide();
    m_shown = 0;
    raise();
    show();
    // The pupil waits for the marking, as the paper could otherwise change under it.
    QCoreApplication::instance()->installEventFilter(this);
    m_step.start(g_pause);
}

void MarkingPanel::showNextBar()
{
    QLabel* picture = m_bars.at(m_shown++);
    picture->show();
    picture->repaint(); // the last one is seen before the panel goes
    if (m_shown == int(m_bars.size()))
        finish();
}

void MarkingPanel::finish()
{
    m_step.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    hide();
    if (std::function<void()> done = std::exchange(m_done, nullptr))
        done();
}

bool MarkingPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (isPlaying() && StartsSomething(event->type()))
        return true;
    return QLabel::eventFilter(watched, event);
}

} // namespace orlavine
