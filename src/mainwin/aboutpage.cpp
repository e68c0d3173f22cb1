#include "mainwin/aboutpage.h"

#include "mainwin/makerpage.h"
#include "chrome/picturebutton.h"
#include "chrome/skin.h"
#include "chrome/twips.h"

#include <QLabel>
#include <QSysInfo>

namespace orlavine {

namespace {

// Twips from the page's top; every line is centred across the page.
constexpr double kLogoTop = 600;
constexpr double kNameTop = 1800;
constexpr double kPlatformTop = 2400;
constexpr double kVersionTop = 2760;
constexpr double kLinkTop = 3480;
constexpr double kLineHeight = 330;

QLabel* Line(QWidget* page, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QString PlatformText()
{
#if defined(Q_OS_LINUX)
    return QStringLiteral("For Linux");
#elif defined(Q_OS_WIN)
    return QStringLiteral("For Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("For macOS");
#else
    return QStringLiteral("For ") + QSysInfo::productType();
#endif
}

AboutPage::AboutPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_About"));
    setAutoFillBackground(true);
    setMinimumHeight(Twips(kLinkTop + 2 * kLineHeight, this));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_logo = Line(this, QStringLiteral("imgLogo"), QString());
    m_logo->setPixmap(Skin::picture(pic::Logo));
    m_name = Line(this, QStringLiteral("ProgramName"), QString());
    QFont big = m_name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_name->setFont(big);
    m_platform = Line(this, QStringLiteral("lblPlatform"), PlatformText());
    m_version = Line(this, QStringLiteral("lblVersion"), QStringLiteral("Version 2.0"));
    auto* link = new ClickLabel(QStringLiteral("lbl_OVURL"), kMakerPageAddress, this);
    link->setAlignment(Qt::AlignCenter);
    link->setToolTip(QStringLiteral("Go to Orlavine home page"));
    link->setCursor(Qt::PointingHandCursor);
    link->setKeyboardReachable(true);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    QPalette blue = link->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 204));
    link->setPalette(blue);
    connect(link, &ClickLabel::clicked, this, &AboutPage::linkClicked);
    m_link = link;
}

void AboutPage::setProgramName(const QString& name)
{
    m_name->setText(name);
}

void AboutPage::resizeEvent(QResizeEvent*)
{
    const int w = width();
    m_logo->setGeometry(0, Twips(kLogoTop, this), w, m_logo->sizeHint().height());
    const auto line = [&](QLabel* label, double top, double height) {
        label->setGeometry(0, Twips(top, this), w,
                           qMax(Twips(height, this), label->sizeHint().height()));
    };
    line(m_name, kNameTop, 450);
    line(m_platform, kPlatformTop, kLineHeight);
    line(m_version, kVersionTop, kLineHeight);
    line(m_link, kLinkTop, kLineHeight);
    // Only the address itself is the link.
    const int linkWidth = qMin(w, m_link->sizeHint().width());
    m_link->setGeometry((w - linkWidth) / 2, m_link->y(), linkWidth, m_link->height());
}

} // namespace orlavine
