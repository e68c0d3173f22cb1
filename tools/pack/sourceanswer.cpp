// Answer lines: attributes and keys, read into the parts the default package's questions
// are made of.
#include "sourceanswer.h"

#include "marking/numbers.h"
#include "records/recordtext.h"
#include "source.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace orlavine::pack {

namespace {

enum class Kind { FromKey, Number, Word, Any, Group, TrueFalse, Exact };

struct Attributes {
    Kind kind = Kind::FromKey;
    int groupSize = 0;
    int marks = 1;
    bool marksGiven = false;
    QString unit;
    bool unitBefore = false;
};

bool ReadAttributes(const QString& text, Attributes& read, QString& error)
{
    static const QHash<QString, Kind> kinds = {{"number", Kind::Number},
                                               {"word", Kind::Word},
                                               {"any", Kind::Any},
                                               {"true/false", Kind::TrueFalse},
                                               {"exact", Kind::Exact}};
    static const QRegularExpression group(QStringLiteral("^group\\s+of\\s+(\\d+)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression marks(QStringLiteral("^(\\d+)\\s+marks?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression unit(QStringLiteral("^unit\\s+(.+?)(\\s+before)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (text.trimmed().isEmpty())
        return true;
    for (QString attribute : text.split(QLatin1Char(','))) {
        attribute = attribute.simplified();
        Kind kind = Kind::FromKey;
        QRegularExpressionMatch match;
        if (kinds.contains(attribute.toLower())) {
            kind = kinds.value(attribute.toLower());
        } else if ((match = group.match(attribute)).hasMatch()) {
            kind = Kind::Group;
            read.groupSize = match.captured(1).toInt();
            if (read.groupSize < 2 || read.groupSize > 20) {
                error = QStringLiteral("a group has 2 to 20 answers");
                return false;
            }
        } else if ((match = marks.match(attribute)).hasMatch()) {
            read.marks = match.captured(1).toInt();
            read.marksGiven = true;
            if (read.marks < 1 || read.marks > 20) {
                error = QStringLiteral("an answer is worth 1 to 20 marks");
                return false;
            }
        } else if ((match = unit.match(attribute)).hasMatch()) {
            read.unit = match.captured(1);
            read.unitBefore = match.capturedLength(2) > 0;
        } else {
            error = QStringLiteral("unknown answer attribute \"%1\"").arg(attribute);
            return false;
        }
        if (kind != Kind::FromKey && read.kind != Kind::FromKey) {
            error = QStringLiteral("two answer types for one answer (\"%1\")").arg(attribute);
            return false;
        }
        if (kind != Kind::FromKey)
            read.kind = kind;
    }
    return true;
}

QStringList Alternatives(const QString& key)
{
    QStringList alternatives;
    for (const QString& piece : key.split(QLatin1Char(';'))) {
        if (!piece.trimmed().isEmpty())
            alternatives.append(piece.trimmed());
    }
    return alternatives;
}

int DistinctCount(const QStringList& alternatives)
{
    QSet<QString> distinct;
    for (const QString& alternative : alternatives)
        distinct.insert(alternative.toLower());
    return int(distinct.size());
}

bool IsNumber(const QString& key)
{
    double value = 0;
    return ParseNumber(key.toLatin1(), value);
}

} // namespace

bool AnswerPart(const QString& attributes, const QString& key, const QString& prompt, Part& part,
                QString& error)
{
    Attributes read;
    if (!ReadAttributes(attributes, read, error))
        return false;
    if (key.isEmpty()) {
        error = QStringLiteral("the answer line has no key after \":\"");
        return false;
    }
    if (!IsStorableText(key)) {
        error = QStringLiteral("the key \"%1\" holds a character the pupil's record files cannot "
                               "keep (Windows-1252, no \">\")")
                    .arg(key);
        return false;
    }
    const Kind kind = read.kind != Kind::FromKey ? read.kind
                      : IsNumber(key)             ? Kind::Number
                                                  : Kind::Word;
    const QStringList alternatives = Alternatives(key);
    switch (kind) {
    case Kind::Number:
        if (!IsNumber(key)) {
            error = QStringLiteral("the key \"%1\" of a number answer is not a number").arg(key);
            return false;
        }
        part = KeyPart(prompt, 'N', key, read.marks);
        break;
    case Kind::TrueFalse: {
        const QString value = key.toLower();
        if (value != "true" && value != "false" && value != "t" && value != "f") {
            error = QStringLiteral("the key of a true/false answer is true or false, not \"%1\"")
                        .arg(key);
            return false;
        }
        part = TrueFalsePart(prompt, value.startsWith(QLatin1Char('t')));
        part.subs.first().marks = read.marks;
        break;
    }
    case Kind::Any:
        if (alternatives.isEmpty()) {
            error = QStringLiteral("the key \"%1\" lists no answers").arg(key);
            return false;
        }
        part = AlternativesPart(prompt, alternatives, read.marks);
        break;
    case Kind::Group:
        if (read.marksGiven) {
            error = QStringLiteral("each answer of a group is worth one mark");
            return false;
        }
        if (DistinctCount(alternatives) < read.groupSize) {
            error = QStringLiteral("a group of %1 needs at least %1 different answers in its key")
                        .arg(read.groupSize);
            return false;
        }
        part = GroupPart(prompt, alternatives, read.groupSize);
        break;
    case Kind::Exact:
        part = ExactPart(prompt, 'X', key, read.marks);
        break;
    case Kind::Word:
    case Kind::FromKey:
        part = WordPart(prompt, key, read.marks);
        break;
    }
    part.unit = read.unit.toHtmlEscaped();
    part.unitBefore = read.unitBefore;
    return true;
}

bool ChoiceOptionsPart(const QStringList& options, const QList<bool>& right,
                       const QString& prompt, Part& part, QString& error)
{
    if (options.size() < 2 || options.size() > 4) {
        error = QStringLiteral("a choice has two to four options, not %1").arg(options.size());
        return false;
    }
    if (right.count(true) != 1) {
        error = right.contains(true) ? QStringLiteral("a choice has one right option, not %1")
                                           .arg(right.count(true))
                                     : QStringLiteral("no option is marked right with (x)");
        return false;
    }
    part = ChoicePart(prompt, options, int(right.indexOf(true)));
    return true;
}

} // namespace orlavine::pack
