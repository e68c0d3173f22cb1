#include "practice/markingpanel.h"

#include <QEventLoop>
#include <QTimer>

namespace orlavine {

namespace {
int g_pause = 200;
constexpr int kGap = 2;
constexpr int kPadding = 8;
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
}

void MarkingPanel::SetPause(int milliseconds)
{
    g_pause = milliseconds;
}

int MarkingPanel::Pause()
{
    return g_pause;
}

void MarkingPanel::play()
{
    if (g_pause <= 0)
        return;
    for (QLabel* picture : m_bars)
        picture->hide();
    raise();
    show();
    repaint();
    for (QLabel* picture : m_bars) {
        QEventLoop wait;
        QTimer::singleShot(g_pause, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
        picture->show();
        picture->repaint();
    }
    hide();
}

} // namespace orlavine
