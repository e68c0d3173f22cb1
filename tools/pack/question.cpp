#include "question.h"

#include "answerforms.h"
#include "numbertext.h"
#include "records/recordtext.h"

#include <cstdlib>
#include <stdexcept>

namespace orlavine::pack {

Part KeyPart(const QString& prompt, char type, const QString& key, int marks)
{
    QByteArray stored;
    if (!EncodeRecordText(key, stored))
        throw std::logic_error("the key " + key.toStdString() + " has no Windows-1252 form");
    Part part;
    part.prompt = prompt;
    part.subs = {Slot{type, stored, marks}};
    part.answer = key.toHtmlEscaped();
    return part;
}

int Question::slotCount() const
{
    int count = 0;
    for (const Part& part : parts)
        count += int(part.subs.size());
    return count;
}

int Question::marks() const
{
    int total = 0;
    for (const Part& part : parts) {
        for (const Slot& slot : part.subs)
            total += slot.marks;
    }
    return total;
}

QString Question::signature() const
{
    QString text = stem;
    for (const Part& part : parts)
        text += part.prompt + part.options.join(QLatin1Char('|'));
    for (const Picture& picture : pictures)
        text += picture.svg;
    return text;
}

Part ChoicePart(const QString& prompt, const QStringList& options, int rightIndex)
{
    Part part = KeyPart(prompt, 'Q', QString::number(rightIndex + 1), 1);
    part.options = options;
    part.answer = QStringLiteral("option %1: %2").arg(rightIndex + 1).arg(options.at(rightIndex));
    return part;
}

Part NumberPart(const QString& prompt, long long value, int marks)
{
    return MeasurePart(prompt, value, 0, units::kNone, marks);
}

Part DecimalPart(const QString& prompt, long long scaled, int places, int marks)
{
    return KeyPart(prompt, 'N', DecimalText(scaled, places), marks);
}

Part WordPart(const QString& prompt, const QString& word, int marks)
{
    return KeyPart(prompt, 'T', word, marks);
}

Part TrueFalsePart(const QString& statement, bool isTrue)
{
    Part part = AlternativesPart(
        statement,
        isTrue ? QStringList{QStringLiteral("T"), QStringLiteral("True")}
               : QStringList{QStringLiteral("F"), QStringLiteral("False")},
        1);
    part.answer = isTrue ? QStringLiteral("True") : QStringLiteral("False");
    return part;
}

Part AlternativesPart(const QString& prompt, const QStringList& alternatives, int marks)
{
    Part part =
        KeyPart(prompt, 'M', QLatin1Char(';') + alternatives.join(QLatin1Char(';')), marks);
    part.answer = alternatives.first().toHtmlEscaped();
    return part;
}

Part GroupPart(const QString& prompt, const QStringList& alternatives, int subs)
{
    Part part = KeyPart(prompt, 'G', QLatin1Char(';') + alternatives.join(QLatin1Char(';')), 1);
    for (int i = 1; i < subs; ++i)
        part.subs.append(Slot{'G', " ", 1});
    part.answer = alternatives.join(QStringLiteral(", ")).toHtmlEscaped();
    if (subs < alternatives.size())
        part.answer = QStringLiteral("any %1 of %2").arg(subs).arg(part.answer);
    return part;
}

Part ExactPart(const QString& prompt, char type, const QString& text, int marks)
{
    return KeyPart(prompt, type, text, marks);
}

} // namespace orlavine::pack
