#include "marking/answercheck.h"

#include "records/learner.h"
#include "marking/numbers.h"
#include "records/recordtext.h"

namespace orlavine {

namespace {

constexpr int kLookBack = 20;

QByteArray TrimSpaces(const QByteArray& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    return text.mid(begin, end - begin);
}

QString Normalised(const QByteArray& text) { return DecodeRecordText(TrimSpaces(text)).toLower(); }

bool IsFollowOn(const QByteArray& key) { return key == " "; }

QByteArray Mark(bool right) { return right ? kRightMark : kWrongMark; }

/// The head of follow-on slot i, or -1 when the list has none before it.
int HeadOf(const Fields& keys, int i)
{
    for (int j = i - 1; j >= 0 && j >= i - kLookBack; --j) {
        if (!IsFollowOn(keys.at(j)))
            return j;
    }
    return i - kLookBack - 1; // -1 or less when the list starts too soon
}

int GroupLength(const Fields& keys, int head)
{
    int length = 1;
    while (length <= kLookBack && head + length < keys.size() && IsFollowOn(keys.at(head + length)))
        ++length;
    return length;
}

QList<QString> NormalisedAll(const Fields& pieces)
{
    QList<QString> out;
    out.reserve(pieces.size());
    for (const QByteArray& piece : pieces)
        out.append(Normalised(piece));
    return out;
}

/// Empties every alternative that one of the answers of slots [from, to) gives.
void RemoveGiven(QList<QString>& alternatives, Fields* shown, const Fields& answers, int from, int to)
{
    for (int j = from; j < to; ++j) {
        const QString given = Normalised(answers.at(j));
        for (int a = 0; a < alternatives.size(); ++a) {
            if (alternatives.at(a) == given) {
                alternatives[a].clear();
                if (shown)
                    (*shown)[a].clear();
            }
        }
    }
}

QByteArray CheckRExact(const QByteArray& answer, const QByteArray& key)
{
    const QByteArray trimmed = TrimSpaces(answer);
    const qsizetype keySpace = key.indexOf(' '); // 0-based; -1 when none
    QByteArray built;
    built.reserve(trimmed.size());
    for (qsizetype j = 0; j < trimmed.size(); ++j) {
        if (j == keySpace || trimmed[j] != ' ')
            built += trimmed[j];
    }
    return Mark(built == TrimSpaces(key));
}

} // namespace

Fields Alternatives(const QByteArray& key)
{
    if (key.startsWith(';'))
        return key.mid(1).split(';');
    Fields pieces = key.split(';');
    for (QByteArray& piece : pieces)
        piece = TrimSpaces(piece);
    return pieces;
}

QByteArray CheckAnswer(const QByteArray& answer, const QByteArray& key, const QByteArray& type)
{
    if (type == "N") {
        double given = 0;
        double expected = 0;
        return Mark(ParseNumber(answer, given) && ParseNumber(key, expected) && given == expected);
    }
    if (type == "Q" || type == "T" || type == "L")
        return Mark(Normalised(answer) == Normalised(key));
    if (type == "R" || type == "F" || type == "X")
        return CheckRExact(answer, key);
    return QByteArray();
}

QByteArray CheckAlternatives(const Fields& answers, const Fields& keys, const Fields&, int i)
{
    const QString given = Normalised(answers.at(i));
    if (!IsFollowOn(keys.at(i)))
        return Mark(NormalisedAll(Alternatives(keys.at(i))).contains(given));
    const int head = HeadOf(keys, i);
    if (head < 0)
        return kWrongMark;
    QList<QString> alternatives = NormalisedAll(Alternatives(keys.at(head)));
    RemoveGiven(alternatives, nullptr, answers, head, i);
    return Mark(!given.isEmpty() && alternatives.contains(given));
}

QByteArray ExpectedGroupAnswer(const Fields& answers, const Fields& keys, const Fields&, int i)
{
    const bool isHead = !IsFollowOn(keys.at(i));
    const int head = isHead ? i : HeadOf(keys, i);
    if (head < 0)
        return QByteArray();
    Fields shown = Alternatives(keys.at(head));
    QList<QString> alternatives = NormalisedAll(shown);
    const int end = head + GroupLength(keys, head);

    if (isHead) {
        RemoveGiven(alternatives, &shown, answers, head, end);
        const QString given = Normalised(answers.at(i));
        QByteArray result;
        for (int a = 0; a < alternatives.size(); ++a) {
            if (alternatives.at(a) == given)
                return QByteArray();
            if (!alternatives.at(a).isEmpty() && result.isEmpty())
                result = shown.at(a);
        }
        return result;
    }

    int used = 0;
    for (int j = head; j < i; ++j)
        used += int(alternatives.count(Normalised(answers.at(j))));
    RemoveGiven(alternatives, &shown, answers, head, end);
    int wanted = i - head + 1 - used;
    if (wanted <= 0)
        return QByteArray();
    for (int a = 0; a < alternatives.size(); ++a) {
        if (!alternatives.at(a).isEmpty() && --wanted == 0)
            return shown.at(a);
    }
    return QByteArray();
}

QByteArray CheckSubAnswer(const Fields& answers, const Fields& keys, const Fields& types, int i)
{
    const QByteArray& type = types.at(i);
    if (type == "G" || type == "M")
        return CheckAlternatives(answers, keys, types, i);
    return CheckAnswer(answers.at(i), keys.at(i), type);
}

} // namespace orlavine
