#include "mainwin/papergrid.h"

#include "chrome/fittext.h"
#include "marking/numbers.h"
#include "chrome/picturebutton.h"
#include "records/recordtext.h"
#include "chrome/skin.h"
#include "chrome/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace orlavine {

namespace {

// Twips, inside the grid.
constexpr double kBandsTop = 420;
constexpr double kBandHeight = 930;
constexpr double kCaptionTop = 30;
constexpr double kFirstRowTop = 300;
constexpr double kSecondRowTop = 615;
constexpr double kRowHeight = 300;
constexpr double kTextLeft = 150;
constexpr double kRowCaptionLeft = 600;
constexpr double kRowCaptionWidth = 1200;
constexpr double kButtonLeft = 1860;
constexpr double kPercentLeft = 3075;
constexpr double kPercentWidth = 300;
constexpr double kScoreWidth = 750;
constexpr double kScoreGap = 20;

const QColor kShadedBand(244, 245, 235);
const QColor kWhiteBand(255, 255, 255);
const QColor kHeading(30, 50, 80);

/// One percent sign at the middle of every score row.
class PercentColumn : public QWidget {
  public:
    PercentColumn(QWidget* parent, QList<int> rowMiddles)
        : QWidget(parent), m_rows(std::move(rowMiddles))
    {
        setObjectName(QStringLiteral("Percent1a"));
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int middle : m_rows)
            painter.drawText(QRect(0, middle - 10, width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("%"));
    }

  private:
    QList<int> m_rows;
};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

void Colour(QWidget* widget, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

PaperGrid::PaperGrid(QWidget* parent) : QWidget(parent)
{
    const auto tw = [this](double twips) { return Twips(twips, this); };
    setMinimumHeight(tw(kBandsTop + 5 * kBandHeight));
    QList<int> rowMiddles;
    for (int i = 1; i <= 5; ++i) {
        const double top = kBandsTop + (i - 1) * kBandHeight;
        auto* band = new QWidget(this);
        band->setObjectName(QStringLiteral("Band%1").arg(i));
        band->setGeometry(0, tw(top), tw(3600), tw(kBandHeight));
        Colour(band, i % 2 ? kShadedBand : kWhiteBand);
        rowMiddles << tw(top + kFirstRowTop + kRowHeight / 2) - tw(kBandsTop)
                   << tw(top + kSecondRowTop + kRowHeight / 2) - tw(kBandsTop);
    }
    m_percent = new PercentColumn(this, rowMiddles);
    m_percent->setGeometry(tw(kPercentLeft), tw(kBandsTop), tw(kPercentWidth), tw(5 * kBandHeight));

    m_heading = MakeLabel(this, QStringLiteral("SubH1"), QString(),
                          TwipsRect(kTextLeft, 60, 3300, 300, this));
    QFont bold = font();
    bold.setBold(true);
    m_heading->setFont(bold);
    QPalette headingPalette = m_heading->palette();
    headingPalette.setColor(QPalette::WindowText, kHeading);
    m_heading->setPalette(headingPalette);

    for (int i = 1; i <= 5; ++i) {
        const double top = kBandsTop + (i - 1) * kBandHeight;
        const QColor band = i % 2 ? kShadedBand : kWhiteBand;
        QLabel* caption =
            MakeLabel(this, QStringLiteral("LblP%1").arg(i), QStringLiteral("Paper %1").arg(i),
                      TwipsRect(kTextLeft, top + kCaptionTop, 1800, 270, this));
        caption->setFont(bold);
        const std::array<double, 2> rows = {top + kFirstRowTop, top + kSecondRowTop};
        for (int attempt = 1; attempt <= 2; ++attempt) {
            const double rowTop = rows[attempt - 1];
            const QString suffix = attempt == 1 ? QStringLiteral("a") : QStringLiteral("b");
            MakeLabel(this, QStringLiteral("lblAttempt%1%2").arg(i).arg(suffix),
                      attempt == 1 ? QStringLiteral("1st Attempt:")
                                   : QStringLiteral("2nd Attempt:"),
                      TwipsRect(kRowCaptionLeft, rowTop, kRowCaptionWidth, kRowHeight, this));
            auto* button = new PictureButton(QStringLiteral("P%1%2").arg(i).arg(suffix),
                                             pic::LoadButtonOff, this);
            button->setLooks({pic::LoadButtonOff, pic::LoadButtonOn, {}, {}});
            button->setKeyboardReachable(true);
            button->move(tw(kButtonLeft), tw(rowTop) + (tw(kRowHeight) - button->height()) / 2);
            button->setAccessibleName(QStringLiteral("Paper %1, %2 attempt")
                                          .arg(i)
                                          .arg(attempt == 1 ? QStringLiteral("1st")
                                                            : QStringLiteral("2nd")));
            button->setToolTip(attempt == 1 ? QStringLiteral("Load paper %1").arg(i)
                                            : QStringLiteral("Try paper %1 again").arg(i));
            connect(button, &PictureButton::clicked, this,
                    [this, i, attempt] { emit paperRequested(i - 1, attempt); });
            QLabel* score = MakeLabel(
                this, QStringLiteral("MS%1%2").arg(attempt == 1 ? 'A' : 'B').arg(i), QString(),
                TwipsRect(kPercentLeft, rowTop, kScoreWidth, kRowHeight, this));
            score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Colour(score, band);
            (attempt == 1 ? m_firstButtons : m_secondButtons)[i - 1] = button;
            (attempt == 1 ? m_first : m_second)[i - 1] = score;
        }
    }
}

void PaperGrid::keyPressEvent(QKeyEvent* event)
{
    int paper = -1;
    int attempt = 0;
    for (int i = 0; i < 5; ++i) {
        if (m_firstButtons[i]->hasFocus())
            paper = i, attempt = 1;
        else if (m_secondButtons[i]->hasFocus())
            paper = i, attempt = 2;
    }
    const int key = event->key();
    if (paper < 0 || (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left &&
                      key != Qt::Key_Right)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        paper = qBound(0, paper + (key == Qt::Key_Down ? 1 : -1), 4);
    else
        attempt = key == Qt::Key_Right ? 2 : 1;
    // A paper without a second attempt offers its first.
    PictureButton* target =
        attempt == 2 && !m_secondButtons[paper]->isHidden() ? m_secondButtons[paper]
                                                            : m_firstButtons[paper];
    target->setFocus(Qt::TabFocusReason);
}

int PaperGrid::percentLeft() const
{
    return m_percent->x();
}

void PaperGrid::showTopic(int first, const Fields& firstScores, const Fields& secondScores,
                          const QString& topicName)
{
    for (int i = 0; i < 5; ++i) {
        m_first[i]->setText(DecodeRecordText(firstScores.value(first - 1 + i)));
        m_second[i]->setText(DecodeRecordText(secondScores.value(first - 1 + i)));
    }
    m_topicName = topicName;
    ShowName(m_heading, topicName, 1);
    showPaperGrid();
}

void PaperGrid::showPaperGrid()
{
    const int left = percentLeft();
    const int gap = Twips(kScoreGap, this);
    const auto place = [&](QLabel* score) {
        score->move(score->text().isEmpty() ? left : left - score->width() - gap, score->y());
    };
    for (int i = 0; i < 5; ++i) {
        place(m_first[i]);
        double value = 0;
        const bool perfect = ParseNumber(m_first[i]->text().toLatin1(), value) && value > 99;
        m_secondButtons[i]->setVisible(!m_first[i]->text().isEmpty() && !perfect);
        place(m_second[i]);
    }
}

} // namespace orlavine
