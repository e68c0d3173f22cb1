#include "question.h"

#include "answerforms.h"
#include "numbertext.h"

#include <cstdlib>

namespace orlavine::pack {

namespace {

Part OneSlot(const QString& prompt, char type, const QString& key, int marks)
{
    Part part;
    part.prompt = prompt;
    part.subs = {Slot{type, key.toLatin1(), marks}};
    return part;
}

} // namespace

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

Part ChoicePart(const QString& prompt, const QStringList& options, int rightIndex)
{
    Part part = OneSlot(prompt, 'Q', QString::number(rightIndex + 1), 1);
    part.options = options;
    return part;
}

Part NumberPart(const QString& prompt, long long value, int marks)
{
    return MeasurePart(prompt, value, 0, units::kNone, marks);
}

Part DecimalPart(const QString& prompt, long long scaled, int places, int marks)
{
    return OneSlot(prompt, 'N', DecimalText(scaled, places), marks);
}

Part WordPart(const QString& prompt, const QString& word, int marks)
{
    return OneSlot(prompt, 'T', word, marks);
}

Part TrueFalsePart(const QString& statement, bool isTrue)
{
    return AlternativesPart(statement,
                            isTrue ? QStringList{QStringLiteral("T"), QStringLiteral("True")}
                                   : QStringList{QStringLiteral("F"), QStringLiteral("False")},
                            1);
}

Part AlternativesPart(const QString& prompt, const QStringList& alternatives, int marks)
{
    return OneSlot(prompt, 'M', QLatin1Char(';') + alternatives.join(QLatin1Char(';')), marks);
}

Part GroupPart(const QString& prompt, const QStringList& alternatives, int subs)
{
    Part part = OneSlot(prompt, 'G', QLatin1Char(';') + alternatives.join(QLatin1Char(';')), 1);
    for (int i = 1; i < subs; ++i)
        part.subs.append(Slot{'G', " ", 1});
    return part;
}

Part ExactPart(const QString& prompt, char type, const QString& text, int marks)
{
    return OneSlot(prompt, type, text, marks);
}

} // namespace orlavine::pack
