#include "practice/answerbox.h"

#include "records/recordtext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTextBlock>
#include <QTimer>

namespace orlavine {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kCarriedBlue(192, 192, 255);
constexpr int kHintShownMs = 5000;
constexpr int kHintGap = 6; // pixels between the hint and the box or the window's edge

bool IsBreak(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == U'\t' || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

/// A refused character as the pupil sees it, with its code for one that shows nothing
/// or shows as a box in the hint's font.
QString Named(char32_t c)
{
    const QString code = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    if (!QChar::isPrint(c))
        return code;
    return QString::fromUcs4(&c, 1) + QStringLiteral(" (") + code + QLatin1Char(')');
}
} // namespace

AnswerText StorablePart(const QString& text)
{
    AnswerText result;
    for (const char32_t c : text.toUcs4()) {
        if (IsBreak(c)) {
            result.kept += QLatin1Char(' ');
            if (result.refusal.isEmpty())
                result.refusal = QStringLiteral("An answer must stay on one line.");
        } else if (c == U'>') {
            if (result.refusal.isEmpty())
                result.refusal = QStringLiteral("The sign > cannot be used in an answer.");
        } else if (!QChar::requiresSurrogates(c) && IsStorableChar(QChar(char16_t(c)))) {
            result.kept += QChar(char16_t(c));
        } else if (result.refusal.isEmpty()) {
            result.refusal =
                QStringLiteral("The character %1 cannot be used in an answer.").arg(Named(c));
        }
    }
    return result;
}

AnswerBox::AnswerBox(int k, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("FA%1").arg(k));
    setToolTip(QStringLiteral("Enter your answer"));
    setAccessibleName(QStringLiteral("Answer (%1)").arg(QChar('a' + k - 1)));
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    setBackgroundRole(QPalette::Base); // the margins round the text too
    setAutoFillBackground(true);
    setWrapped(false);
    setCarriedColour(false);
    connect(document(), &QTextDocument::contentsChange, this, &AnswerBox::noteAdded);
    connect(this, &QPlainTextEdit::textChanged, this, &AnswerBox::keepStorable);
}

AnswerBox::~AnswerBox()
{
    delete m_hint; // a child of the window, which may outlive the box
}

QByteArray AnswerBox::recordText() const
{
    QByteArray bytes;
    EncodeRecordText(text(), bytes); // keepStorable lets nothing else stay
    return bytes;
}

void AnswerBox::setRecordText(const QByteArray& text)
{
    setPlainText(DecodeRecordText(text));
    // An answer to go on with shows its end; one only to read, its start.
    moveCursor(isReadOnly() ? QTextCursor::Start : QTextCursor::End);
}

void AnswerBox::setMaxLength(int length)
{
    m_maxLength = length;
}

void AnswerBox::setWrapped(bool wrapped)
{
    setLineWrapMode(wrapped ? WidgetWidth : NoWrap);
    setVerticalScrollBarPolicy(wrapped ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    centreLine();
}

void AnswerBox::setCarriedColour(bool carried)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, carried ? kCarriedBlue : kWhite);
    setPalette(p);
}

QColor AnswerBox::background() const
{
    return palette().color(QPalette::Base);
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    // Enter makes no line: it goes on to the window, as from a one-line box.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AnswerBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    // Tabbing into an answer selects it, so typing replaces it.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        selectAll();
}

void AnswerBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    centreLine();
}

void AnswerBox::centreLine()
{
    const int side = 2;
    const int top = lineWrapMode() == NoWrap
                        ? qMax(0, (height() - fontMetrics().height()) / 2)
                        : side;
    setViewportMargins(side, top, side, lineWrapMode() == NoWrap ? 0 : side);
}

void AnswerBox::noteAdded(int position, int, int added)
{
    if (added == 0)
        return;
    m_addedFrom = m_addedFrom < 0 ? position : qMin(m_addedFrom, position);
    m_addedTo = qMax(m_addedTo, position + added);
}

void AnswerBox::keepStorable()
{
    if (m_addedFrom < 0)
        return;
    const int length = document()->characterCount() - 1; // less the closing separator
    const int from = qBound(0, m_addedFrom, length);
    const int to = qBound(from, m_addedTo, length);
    m_addedFrom = m_addedTo = -1;

    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const QString added = cursor.selectedText(); // a line break reads as U+2029
    AnswerText part = StorablePart(added);
    const int room = m_maxLength - (length - int(added.size()));
    if (part.kept.size() > room)
        part.kept.truncate(qMax(0, room));
    if (part.kept == added)
        return;
    cursor.joinPreviousEditBlock(); // one undo step with the typing or pasting
    cursor.insertText(part.kept);   // emits textChanged again, with nothing added to check
    cursor.endEditBlock();
    m_addedFrom = m_addedTo = -1;
    if (!part.refusal.isEmpty())
        showRefusal(part.refusal);
}

void AnswerBox::showRefusal(const QString& reason)
{
    m_refusal = reason;
    QWidget* host = window();
    if (!m_hint) {
        m_hint = new QLabel(host);
        m_hint->setObjectName(QStringLiteral("RefusalHint"));
        m_hint->setWordWrap(true);
        m_hint->setTextFormat(Qt::PlainText);
        m_hint->setFrameShape(QFrame::Box);
        m_hint->setMargin(3);
        m_hint->setAutoFillBackground(true);
        m_hint->setForegroundRole(QPalette::ToolTipText);
        m_hint->setBackgroundRole(QPalette::ToolTipBase);
        auto* timer = new QTimer(m_hint);
        timer->setObjectName(QStringLiteral("HintTimer"));
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, m_hint, &QWidget::hide);
    }
    m_hint->setText(reason);
    const int natural = m_hint->fontMetrics().horizontalAdvance(reason) + 2 * m_hint->margin() +
                        2 * m_hint->frameWidth() + 2;
    const int most = qMin(host->width() - 2 * kHintGap, m_hint->fontMetrics().averageCharWidth() * 32);
    m_hint->setFixedWidth(qMax(1, qMin(natural, most)));
    m_hint->setFixedHeight(m_hint->heightForWidth(m_hint->width()));

    // Left of the box's row (its letter, its marks), over the question page, where it
    // hides no other answer; below the box where there is no room. Always inside the window.
    const QRect box(mapTo(host, QPoint(0, 0)), size());
    const int rowLeft = parentWidget()->mapTo(host, QPoint(0, 0)).x();
    QPoint at(rowLeft - kHintGap - m_hint->width(), box.top());
    if (at.x() < kHintGap)
        at = QPoint(box.left(), box.bottom() + kHintGap);
    at.setX(qBound(kHintGap, at.x(), host->width() - kHintGap - m_hint->width()));
    at.setY(qBound(kHintGap, at.y(), qMax(kHintGap, host->height() - kHintGap - m_hint->height())));
    m_hint->move(at);
    m_hint->show();
    m_hint->raise();
    m_hint->findChild<QTimer*>(QStringLiteral("HintTimer"))->start(kHintShownMs);
}

} // namespace orlavine
