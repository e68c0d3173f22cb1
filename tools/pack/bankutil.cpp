#include "bankutil.h"

#include "numbertext.h"

#include <QSet>

#include <stdexcept>

namespace orlavine::pack {

const char* const kNoteFraction =
    "Write a fraction like 3/4 and a ratio like 2:3, in its simplest form.";
const char* const kNoteAnyFraction = "Write a fraction like 3/4.";
const char* const kNoteMixed = "Write a mixed number with a space, like 1 1/2.";
const char* const kNoteGroup = "You may give the answers in any order.";

QString Signed(long long value)
{
    return value < 0 ? QStringLiteral("&minus;") + QString::number(-value) : QString::number(value);
}

QString ListText(const QList<int>& values, const QString& separator)
{
    QStringList texts;
    for (int v : values)
        texts.append(Signed(v));
    return texts.join(separator);
}

QString WithArticle(const QString& noun, bool capital)
{
    const bool vowel = QStringLiteral("aeiou").contains(noun.at(0));
    return (capital ? (vowel ? QStringLiteral("An ") : QStringLiteral("A "))
                    : (vowel ? QStringLiteral("an ") : QStringLiteral("a "))) +
           noun;
}

Choice UniqueChoice(Prng& rng, QList<Option> options)
{
    QSet<QString> texts;
    int fitting = 0;
    for (const Option& option : options) {
        texts.insert(option.text);
        fitting += option.fits ? 1 : 0;
    }
    if (options.size() != 4 || texts.size() != 4 || fitting != 1)
        throw std::logic_error("a choice needs four different options of which one fits: " +
                               QStringList(texts.values()).join(QLatin1String(" | ")).toStdString());
    rng.shuffle(options);
    Choice choice;
    for (int i = 0; i < 4; ++i) {
        choice.options.append(options.at(i).text);
        if (options.at(i).fits)
            choice.right = i;
    }
    return choice;
}

Question Make(const QString& stem, const QList<Part>& parts, const QString& note)
{
    Question question;
    question.stem = stem;
    question.parts = parts;
    question.note = note;
    return question;
}

Question ChoiceQuestion(const QString& stem, const Choice& choice)
{
    return Make(stem, {ChoicePart(QString(), choice.options, choice.right)},
                QStringLiteral("Type the number of your answer, 1 to 4."));
}

QString Para(const QString& text)
{
    return QStringLiteral("<p>%1</p>").arg(text);
}

QString Display(const QString& text)
{
    return QStringLiteral("<p class=\"big\">%1</p>").arg(text);
}

QString DataTable(const QStringList& header, const QList<QStringList>& rows)
{
    QString html = QStringLiteral("<table class=\"dt\"><tr>");
    for (const QString& cell : header)
        html += QStringLiteral("<th>%1</th>").arg(cell);
    html += QStringLiteral("</tr>");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td>%1</td>").arg(cell);
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString Name(Prng& rng)
{
    static const QStringList names = {"Amir", "Bea",   "Chen", "Dana",  "Eli",  "Fatima", "George",
                                      "Hana", "Isla",  "Jack", "Kofi",  "Lena", "Maya",   "Noah",
                                      "Olu",  "Priya", "Ravi", "Sofia", "Tom",  "Zara"};
    return rng.pick(names);
}

QString Thing(Prng& rng)
{
    static const QStringList things = {"stickers", "marbles", "pencils", "cards",
                                       "stamps",   "beads",   "shells",  "badges"};
    return rng.pick(things);
}

} // namespace orlavine::pack
