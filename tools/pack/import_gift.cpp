// The GIFT reader: questions separated by blank lines, each text with one set of answers
// in braces.
#include "import.h"
#include "records/recordtext.h"
#include "sourcewriter.h"

#include <QRegularExpression>

#include <algorithm>

namespace orlavine::pack {

namespace {

constexpr int kMostOptions = 4;
constexpr int kMostAnswers = 20;
const QChar kGapMark(0xE000); // the gap until the text is Markdown
const QChar kBoldMark(0xE001);
const QChar kItalicMark(0xE002);
const QChar kBreakMark(0xE003);

/// A question the program cannot mark the same way, and why.
struct Unsupported {
    QString why;
};

enum class TextFormat { Moodle, Html, Plain, Markdown };

/// A question's lines joined, and where each line starts.
struct Block {
    QString text;
    QList<int> starts;
    QList<int> numbers;

    int lineAt(int offset) const
    {
        const auto after = std::upper_bound(starts.begin(), starts.end(), offset);
        return numbers.at(int(std::max<qsizetype>(after - starts.begin() - 1, 0)));
    }
};

/// The first `what` at or after `from` that no backslash escapes, or -1.
int FindUnescaped(const QString& text, QStringView what, int from = 0)
{
    for (int i = from; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\'))
            ++i;
        else if (QStringView(text).mid(i).startsWith(what))
            return i;
    }
    return -1;
}

int FindAnyUnescaped(const QString& text, QStringView chars, int from = 0)
{
    for (int i = from; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\'))
            ++i;
        else if (chars.contains(text.at(i)))
            return i;
    }
    return -1;
}

QString Unescape(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (text.at(i) == QLatin1Char('\\') && next == QLatin1Char('n')) {
            out += QLatin1Char('\n');
            ++i;
        } else if (text.at(i) == QLatin1Char('\\') && QStringLiteral("~=#{}:\\").contains(next)) {
            out += next;
            ++i;
        } else {
            out += text.at(i);
        }
    }
    return out;
}

QString DecodeEntities(QString text)
{
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);"));
    static const QHash<QString, QChar> named{
        {QStringLiteral("amp"), QLatin1Char('&')},  {QStringLiteral("lt"), QLatin1Char('<')},
        {QStringLiteral("gt"), QLatin1Char('>')},   {QStringLiteral("quot"), QLatin1Char('"')},
        {QStringLiteral("apos"), QLatin1Char('\'')}, {QStringLiteral("nbsp"), QChar(0xA0)}};
    QString out;
    int done = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        bool ok = true;
        uint code = name.startsWith(QLatin1String("#x")) ? name.mid(2).toUInt(&ok, 16)
                    : name.startsWith(QLatin1Char('#')) ? name.mid(1).toUInt(&ok)
                                                        : named.value(name).unicode();
        if (!ok || code == 0 || code > 0x10FFFF)
            continue;
        out += QStringView(text).mid(done, match.capturedStart() - done);
        out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        done = int(match.capturedEnd());
    }
    return out + text.mid(done);
}

/// Basic HTML as Markdown: paragraphs, line breaks, bold, italics and character
/// references. Any other element is beyond what the import converts.
QString MarkdownFromHtml(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*>"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QString plain;
    int done = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        plain += DecodeEntities(
            html.mid(done, match.capturedStart() - done).replace(space, QStringLiteral(" ")));
        done = int(match.capturedEnd());
        const QString name = match.captured(2).toLower();
        if (name == QLatin1String("p") || name == QLatin1String("div"))
            plain += QStringLiteral("\n\n");
        else if (name == QLatin1String("br"))
            plain += QString(kBreakMark) + QLatin1Char('\n');
        else if (name == QLatin1String("b") || name == QLatin1String("strong"))
            plain += kBoldMark;
        else if (name == QLatin1String("i") || name == QLatin1String("em"))
            plain += kItalicMark;
        else
            throw Unsupported{QStringLiteral("HTML the import cannot turn into Markdown (<%1>)")
                                  .arg(match.captured(1) + match.captured(2))};
    }
    plain += DecodeEntities(html.mid(done).replace(space, QStringLiteral(" ")));
    QString markdown = MarkdownFromPlain(plain);
    static const QRegularExpression blankLines(QStringLiteral("\n{3,}"));
    markdown.replace(blankLines, QStringLiteral("\n\n"));
    return markdown.replace(kBoldMark, QLatin1String("**"))
        .replace(kItalicMark, QLatin1String("*"))
        .replace(kBreakMark, QLatin1String("\\"));
}

QString ToMarkdown(const QString& raw, TextFormat format)
{
    const QString text = Unescape(raw);
    switch (format) {
    case TextFormat::Html:
        return MarkdownFromHtml(text);
    case TextFormat::Markdown:
        return text.trimmed();
    case TextFormat::Moodle:
    case TextFormat::Plain:
        break;
    }
    return MarkdownFromPlain(text);
}

QString Key(const QString& raw)
{
    const QString key = Unescape(raw).simplified();
    const QString problem = KeyProblem(key);
    if (!problem.isEmpty())
        throw Unsupported{problem};
    return key;
}

/// One `=` or `~` answer of a set.
struct GiftAnswer {
    bool right = false;
    bool weighted = false;
    QString text;
    QString feedback;
};

/// The answers of `set`, which stands at `offset` of `block`.
QList<GiftAnswer> ReadAnswers(const QString& set, const Block& block, int offset,
                              const ImportedQuiz& quiz)
{
    int at = 0;
    while (at < set.size() && set.at(at).isSpace())
        ++at;
    if (at == set.size())
        return {};
    if (set.at(at) != QLatin1Char('=') && set.at(at) != QLatin1Char('~'))
        quiz.fail(block.lineAt(offset + at), QStringLiteral("an answer starts with '=' or '~'"));
    QList<GiftAnswer> answers;
    while (at >= 0) {
        const int next = FindAnyUnescaped(set, u"=~", at + 1);
        QString piece = set.mid(at + 1, next < 0 ? -1 : next - at - 1).trimmed();
        GiftAnswer answer;
        answer.right = set.at(at) == QLatin1Char('=');
        const int weightEnd =
            piece.startsWith(QLatin1Char('%')) ? int(piece.indexOf(QLatin1Char('%'), 1)) : -1;
        if (weightEnd > 0) {
            // A full weight is no partial credit.
            answer.weighted = piece.left(weightEnd + 1) != QLatin1String("%100%");
            piece = piece.mid(weightEnd + 1);
        }
        const int hash = FindUnescaped(piece, u"#");
        if (hash >= 0) {
            answer.feedback = piece.mid(hash + 1).trimmed();
            piece.truncate(hash);
        }
        answer.text = piece.trimmed();
        answers.append(answer);
        at = next;
    }
    return answers;
}

QString Joined(const QString& first, const QString& second)
{
    return first.isEmpty() || second.isEmpty() ? first + second
                                               : first + QStringLiteral("\n\n") + second;
}

/// A numerical answer: one exact number.
void ReadNumber(QString set, ImportedQuestion& question, QString& feedback, const Block& block,
                int offset, const ImportedQuiz& quiz)
{
    static const QRegularExpression number(QStringLiteral("^-?(\\d+(\\.\\d+)?|\\.\\d+)$"));
    QString value = set.trimmed();
    if (value.startsWith(QLatin1Char('=')) || value.startsWith(QLatin1Char('~'))) {
        const QList<GiftAnswer> answers = ReadAnswers(value, block, offset, quiz);
        if (answers.size() != 1 || !answers.first().right || answers.first().weighted)
            throw Unsupported{QStringLiteral("several numerical answers, with partial credit; "
                                             "the program marks one exact number")};
        value = answers.first().text;
        feedback = answers.first().feedback;
    } else if (const int hash = FindUnescaped(value, u"#"); hash >= 0) {
        feedback = value.mid(hash + 1).trimmed();
        value = value.left(hash).trimmed();
    }
    value = Unescape(value);
    if (value.contains(QLatin1String("..")))
        throw Unsupported{QStringLiteral("a numerical range (%1); the program marks one exact "
                                         "number")
                              .arg(value)};
    if (const int colon = int(value.indexOf(QLatin1Char(':'))); colon >= 0) {
        const QString margin = value.mid(colon + 1).trimmed();
        bool ok = false;
        if (margin.toDouble(&ok) != 0 || !ok)
            throw Unsupported{QStringLiteral("a numerical margin (±%1); the program marks one "
                                             "exact number")
                                  .arg(margin)};
        value = value.left(colon).trimmed();
    }
    if (!number.match(value).hasMatch())
        throw Unsupported{QStringLiteral("the number \"%1\" is not written as 12, 0.25 or -3")
                              .arg(value)};
    question.answers.append({QString(), QStringLiteral("number"), value});
}

/// Matching pairs: one answer for each, its left side the prompt.
void ReadPairs(const QList<GiftAnswer>& answers, ImportedQuestion& question, TextFormat format)
{
    for (const GiftAnswer& answer : answers) {
        const int arrow = FindUnescaped(answer.text, u"->");
        if (!answer.right || arrow < 0)
            throw Unsupported{QStringLiteral("a matching question whose answers are not all "
                                             "'=item -> match' pairs")};
        const QString left = answer.text.left(arrow).trimmed();
        if (left.isEmpty())
            continue; // an extra match to choose from, which typed answers do not need
        question.answers.append({ToMarkdown(left, format).simplified(), QStringLiteral("word"),
                                 Key(answer.text.mid(arrow + 2))});
    }
    if (question.answers.isEmpty() || question.answers.size() > kMostAnswers)
        throw Unsupported{QStringLiteral("a matching question with %1 pairs; a question has 1 "
                                         "to %2 answers")
                              .arg(question.answers.size())
                              .arg(kMostAnswers)};
}

/// A multiple choice: one right option among two to four.
void ReadChoice(const QList<GiftAnswer>& answers, ImportedQuestion& question, QString& feedback,
                TextFormat format)
{
    const auto rights =
        std::count_if(answers.begin(), answers.end(), [](const GiftAnswer& a) { return a.right; });
    if (rights != 1)
        throw Unsupported{rights == 0 ? QStringLiteral("a multiple choice with no right option")
                                      : QStringLiteral("several right options; a choice has one")};
    if (answers.size() > kMostOptions)
        throw Unsupported{QStringLiteral("%1 options; a choice has two to four")
                              .arg(answers.size())};
    for (const GiftAnswer& answer : answers) {
        const QString option = ToMarkdown(answer.text, format).simplified();
        if (option.isEmpty())
            throw Unsupported{QStringLiteral("an empty option")};
        if (answer.right) {
            question.rightOption = int(question.options.size());
            feedback = answer.feedback;
        }
        question.options.append(option);
    }
}

/// Right answers typed in: any one of them.
void ReadShortAnswer(const QList<GiftAnswer>& answers, ImportedQuestion& question,
                     QString& feedback)
{
    QStringList keys;
    for (const GiftAnswer& answer : answers) {
        const QString key = Key(answer.text);
        if (!keys.contains(key))
            keys.append(key);
        if (!answer.feedback.isEmpty() && feedback.isEmpty())
            feedback = answer.feedback;
    }
    question.answers.append({QString(), keys.size() > 1 ? QStringLiteral("any") : QString(),
                             keys.join(QStringLiteral("; "))});
}

ImportedQuestion ReadQuestion(const Block& block, const ImportedQuiz& quiz)
{
    static const QRegularExpression formatTag(
        QStringLiteral("^\\s*\\[(moodle|html|plain|markdown)\\]"));
    const QString& s = block.text;
    int pos = 0;
    if (s.trimmed().startsWith(QLatin1String("::"))) {
        const int title = int(s.indexOf(QLatin1String("::")));
        const int end = FindUnescaped(s, u"::", title + 2);
        if (end < 0)
            quiz.fail(block.lineAt(title), QStringLiteral("a title '::' is not closed"));
        pos = end + 2;
    }
    TextFormat format = TextFormat::Moodle;
    const QRegularExpressionMatch tag = formatTag.match(QStringView(s).mid(pos));
    if (tag.hasMatch()) {
        const QString name = tag.captured(1);
        format = name == QLatin1String("html")       ? TextFormat::Html
                 : name == QLatin1String("markdown") ? TextFormat::Markdown
                 : name == QLatin1String("plain")    ? TextFormat::Plain
                                                     : TextFormat::Moodle;
        pos += int(tag.capturedEnd());
    }
    int open = -1;
    QList<std::pair<int, int>> sets;
    for (int i = FindAnyUnescaped(s, u"{}", pos); i >= 0; i = FindAnyUnescaped(s, u"{}", i + 1)) {
        if (s.at(i) == QLatin1Char('{') && open >= 0)
            quiz.fail(block.lineAt(i), QStringLiteral("a '{' inside a set of answers"));
        if (s.at(i) == QLatin1Char('}') && open < 0)
            quiz.fail(block.lineAt(i), QStringLiteral("a '}' without its '{'"));
        if (s.at(i) == QLatin1Char('{')) {
            open = i;
        } else {
            sets.append({open, i});
            open = -1;
        }
    }
    if (open >= 0)
        quiz.fail(block.lineAt(open), QStringLiteral("a '{' without its '}'"));
    if (sets.isEmpty())
        throw Unsupported{QStringLiteral("a description without answers, skipped")};
    if (sets.size() > 1)
        throw Unsupported{QStringLiteral("more than one set of answers")};
    const auto [start, end] = sets.first();

    const QString before = s.mid(pos, start - pos).trimmed();
    const QString after = s.mid(end + 1).trimmed();
    QString set = s.mid(start + 1, end - start - 1);
    QString general;
    if (const int hashes = FindUnescaped(set, u"####"); hashes >= 0) {
        general = set.mid(hashes + 4).trimmed();
        set.truncate(hashes);
    }

    ImportedQuestion question;
    question.line = block.numbers.first();
    QString feedback;
    static const QRegularExpression trueFalse(QStringLiteral("^(T|F|TRUE|FALSE)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (set.trimmed().isEmpty()) {
        throw Unsupported{QStringLiteral("an essay; the program marks typed answers only")};
    } else if (set.trimmed().startsWith(QLatin1Char('#'))) {
        ReadNumber(set.trimmed().mid(1), question, feedback, block, start + 1, quiz);
    } else if (trueFalse.match(set.left(FindUnescaped(set, u"#")).trimmed()).hasMatch()) {
        const bool isTrue = set.trimmed().at(0).toUpper() == QLatin1Char('T');
        question.answers.append({QString(), QStringLiteral("true/false"),
                                 isTrue ? QStringLiteral("true") : QStringLiteral("false")});
        // "{T #when wrong #when right}": the second is what a right answer is told.
        int hash = FindUnescaped(set, u"#");
        hash = hash < 0 ? -1 : FindUnescaped(set, u"#", hash + 1);
        if (hash >= 0)
            feedback = set.mid(hash + 1).trimmed();
    } else {
        const QList<GiftAnswer> answers = ReadAnswers(set, block, start + 1, quiz);
        if (std::any_of(answers.begin(), answers.end(),
                        [](const GiftAnswer& a) { return a.weighted; }))
            throw Unsupported{QStringLiteral("partial credit (a %-weight); the program marks an "
                                             "answer right or wrong")};
        if (std::any_of(answers.begin(), answers.end(),
                        [](const GiftAnswer& a) { return FindUnescaped(a.text, u"->") >= 0; }))
            ReadPairs(answers, question, format);
        else if (std::any_of(answers.begin(), answers.end(),
                             [](const GiftAnswer& a) { return !a.right; }))
            ReadChoice(answers, question, feedback, format);
        else
            ReadShortAnswer(answers, question, feedback);
    }
    const QString text =
        after.isEmpty() ? before : s.mid(pos, start - pos) + kGapMark + s.mid(end + 1);
    question.text = ToMarkdown(text, format);
    if (QString(question.text).remove(kGapMark).trimmed().isEmpty())
        throw Unsupported{QStringLiteral("a question without text")};
    question.text.replace(kGapMark, QLatin1String("_____"));
    question.solution = Joined(ToMarkdown(feedback, format), ToMarkdown(general, format));
    return question;
}

} // namespace

ImportedQuiz ImportGift(const QByteArray& bytes, const QString& fileName)
{
    ImportedQuiz quiz;
    quiz.file = fileName;
    QString topic = QuizTitle(fileName);
    int topicLine = 1;
    Block block;
    const auto finishBlock = [&] {
        if (block.starts.isEmpty())
            return;
        try {
            ImportedQuestion question = ReadQuestion(block, quiz);
            quiz.topic(topic, topicLine).questions.append(question);
        } catch (const Unsupported& unsupported) {
            quiz.leaveOut(block.numbers.first(), unsupported.why);
        }
        block = Block();
    };
    const QStringList lines = QuizLines(bytes);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.startsWith(QLatin1String("//")))
            continue;
        if (line.isEmpty()) {
            finishBlock();
        } else if (block.starts.isEmpty() &&
                   line.startsWith(QLatin1String("$CATEGORY:"), Qt::CaseInsensitive)) {
            // "$course$/Science/Forces": the topic is the last part.
            const QStringList path = line.mid(10).split(QLatin1Char('/'), Qt::SkipEmptyParts);
            topic = path.isEmpty() ? QString() : path.last().simplified();
            topicLine = i + 1;
            if (topic.isEmpty() || topic.startsWith(QLatin1Char('$')))
                topic = QuizTitle(fileName);
            if (!IsStorableText(topic)) {
                quiz.notes += QStringLiteral("%1:%2: the category \"%3\" has characters the "
                                             "record files cannot hold; its topic is called "
                                             "\"Topic %4\"")
                                  .arg(fileName)
                                  .arg(topicLine)
                                  .arg(topic)
                                  .arg(quiz.topics.size() + 1);
                topic = QStringLiteral("Topic %1").arg(quiz.topics.size() + 1);
            }
        } else {
            block.starts.append(int(block.text.size()));
            block.numbers.append(i + 1);
            block.text += lines.at(i) + QLatin1Char('\n');
        }
    }
    finishBlock();
    return quiz;
}

} // namespace orlavine::pack
