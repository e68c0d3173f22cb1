#include "practice/answerbox.h"

#include "records/recordtext.h"

#include <QToolTip>

namespace orlavine {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kCarriedBlue(192, 192, 255);

bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}
} // namespace

RecordTextValidator::RecordTextValidator(std::function<void(const QString&)> refused,
                                         QObject* parent)
    : QValidator(parent), m_refused(std::move(refused))
{
}

QString RecordTextValidator::RefusalOf(const QString& text)
{
    for (const QChar c : text) {
        if (IsLineBreak(c))
            return QStringLiteral("An answer must stay on one line.");
        if (c == QLatin1Char('>'))
            return QStringLiteral("The sign > cannot be used in an answer.");
        if (!IsStorableChar(c))
            return QStringLiteral("The character %1 cannot be used in an answer.").arg(c);
    }
    return QString();
}

QValidator::State RecordTextValidator::validate(QString& input, int&) const
{
    const QString reason = RefusalOf(input);
    if (reason.isEmpty())
        return Acceptable;
    if (m_refused)
        m_refused(reason);
    return Invalid;
}

AnswerBox::AnswerBox(int k, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("FA%1").arg(k));
    setToolTip(QStringLiteral("Enter your answer"));
    setFrame(false);
    setValidator(
        new RecordTextValidator([this](const QString& reason) { showRefusal(reason); }, this));
    setCarriedColour(false);
}

QByteArray AnswerBox::recordText() const
{
    QByteArray bytes;
    EncodeRecordText(text(), bytes); // the validator lets nothing else in
    return bytes;
}

void AnswerBox::setRecordText(const QByteArray& text)
{
    setText(DecodeRecordText(text));
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

void AnswerBox::showRefusal(const QString& reason)
{
    m_refusal = reason;
    QToolTip::showText(mapToGlobal(QPoint(0, height())), reason, this);
}

} // namespace orlavine
