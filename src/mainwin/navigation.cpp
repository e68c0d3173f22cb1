#include "mainwin/navigation.h"

#include "chrome/fittext.h"
#include "records/package.h"
#include "chrome/picturebutton.h"
#include "records/recordtext.h"
#include "chrome/skin.h"
#include "mainwin/toolbarsets.h"
#include "chrome/twips.h"

#include <QPainter>

#include <cmath>

namespace orlavine {

namespace {

const QColor kStripColour(244, 245, 235);
constexpr int kStripLeft = 2; // pixels on the window
constexpr int kStripTop = 60;
constexpr int kTabOverlap = 4;
constexpr double kStripHeight = 810; // twips inside the strip: the toolbar and a margin
constexpr double kLineAboveBottom = 10;
constexpr double kToolLeft = 120;
constexpr double kToolTop = 30;
constexpr double kToolGap = 60;

/// The band under the tabs: the strip colour and a black line just above its bottom edge.
class TabStrip : public QWidget {
  public:
    explicit TabStrip(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("TabStrip"));
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, kStripColour);
        setPalette(palette);
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        const int y = qMin(height() - 1,
                           int(TwipsExact(PixelsToTwips(height(), this) - kLineAboveBottom, this)));
        painter.drawLine(0, y, width(), y);
    }
};

QString Numbered(const char* stem, int n, const char* suffix = "")
{
    return QStringLiteral("%1%2%3")
        .arg(QLatin1String(stem))
        .arg(n, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(suffix));
}

void SetToolTipOnce(QWidget* widget, const QString& tip)
{
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
}

} // namespace

Navigation::Navigation(QWidget* window) : QObject(window)
{
    for (int n = 1; n <= 4; ++n) {
        auto* tab = new PictureButton(Numbered("Tab", n), pic::TabBackOff, window);
        m_tabs[n - 1] = tab;
        tab->setKeyboardReachable(true);
        m_tabCaptions[n - 1] = AddCaption(tab, Numbered("Tab", n, "lbl"), QString());
        connect(tab, &PictureButton::clicked, this, [this, n] { emit tabClicked(n); });
    }
    m_strip = new TabStrip(window);
    QFont captionFont = m_strip->font();
    captionFont.setPointSizeF(captionFont.pointSizeF() * 0.9);
    for (int n = 1; n <= 4; ++n) {
        const ToolBarEntry entry = ToolBarSetEntry(false, n);
        auto* tool = new PictureButton(Numbered("ToolBar", n),
                                       ToolbarButtonPictures(entry.pictureStem).off, m_strip);
        tool->move(Twips(kToolLeft, m_strip) + (n - 1) * (tool->width() + Twips(kToolGap, m_strip)),
                   Twips(kToolTop, m_strip));
        tool->setKeyboardReachable(true);
        m_tools[n - 1] = tool;
        ClickLabel* caption = AddCaption(tool, Numbered("lblTB", n), entry.caption,
                                         Qt::AlignHCenter | Qt::AlignBottom);
        caption->setFont(captionFont);
        caption->setContentsMargins(0, 0, 0, 1);
        m_toolCaptions[n - 1] = caption;
        connect(tool, &PictureButton::clicked, this, [this, n] { emit toolBarClicked(n); });
    }
    showToolSet();
}

void Navigation::setUp(const PackageSettings& settings)
{
    QWidget* window = m_strip->parentWidget();
    m_strip->setGeometry(kStripLeft, kStripTop, window->width() - 2 * kStripLeft,
                         Twips(kStripHeight, m_strip));
    int x = kStripLeft;
    for (int m = 1; m <= 3; ++m) {
        const ModuleSettings& module = settings.module(m);
        const QString label = DecodeRecordText(module.label);
        const QString tip = QStringLiteral("Load ") + label + QStringLiteral(" Module");
        // A caption longer than its tab is cut with "…", the whole of it in the hint.
        ShowName(m_tabCaptions[m - 1], label, 1, tip);
        m_tabs[m - 1]->setToolTip(m_tabCaptions[m - 1]->toolTip());
        m_tabs[m - 1]->setAccessibleName(label);
        // A tab out of view is out of the Tab order too.
        m_tabs[m - 1]->setKeyboardReachable(module.exists());
        if (module.exists()) {
            m_tabs[m - 1]->move(x, m_tabs[m - 1]->y());
            x += m_tabs[m - 1]->width() - kTabOverlap;
        } else {
            m_tabs[m - 1]->move(-m_tabs[0]->width(), m_tabs[m - 1]->y());
        }
    }
    m_tabCaptions[3]->setText(QStringLiteral("Help"));
    m_tabs[3]->setToolTip(QStringLiteral("Help"));
    m_tabCaptions[3]->setToolTip(QStringLiteral("Help"));
    m_tabs[3]->move(x, m_tabs[3]->y());
}

void Navigation::raiseTab(int selected)
{
    m_frontTab = selected;
    for (int n = 1; n <= 4; ++n) {
        m_tabs[n - 1]->setLooks(n == selected ? ButtonLooks{pic::TabFrontOff, pic::TabFrontOn, {}, {}}
                                              : ButtonLooks{pic::TabBackOff, pic::TabBackOn, {}, {}});
    }
    showToolSet();
    for (int n = 4; n >= 1; --n)
        m_tabs[n - 1]->raise();
    m_strip->raise();
    m_tabs[selected - 1]->raise();
    // Design offsets of 2.5 and 0.5 pixels, rounded to whole pixels.
    const double top = m_strip->y();
    for (PictureButton* tab : m_tabs) {
        const double offset = tab == m_tabs[selected - 1] ? 0.5 : 2.5;
        tab->move(tab->x(), int(std::lround(top - tab->height() + offset)));
    }
}

void Navigation::showToolSet()
{
    for (int n = 1; n <= 4; ++n) {
        const ToolBarEntry entry = ToolBarSetEntry(m_frontTab == 4, n);
        PictureButton* tool = m_tools[n - 1];
        if (entry.caption.isEmpty()) {
            tool->hide();
            continue;
        }
        tool->show();
        m_toolCaptions[n - 1]->setText(entry.caption);
        SetToolTipOnce(tool, entry.tooltip);
        SetToolTipOnce(m_toolCaptions[n - 1], entry.tooltip);
        const ToolbarPictures pictures = ToolbarButtonPictures(entry.pictureStem);
        tool->setLooks({pictures.off, pictures.on, pictures.pressed, {}});
    }
}

} // namespace orlavine
