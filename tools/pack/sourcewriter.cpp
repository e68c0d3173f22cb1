#include "sourcewriter.h"

#include "records/error.h"
#include "records/fileio.h"
#include "records/recordtext.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace orlavine::pack {

namespace {

constexpr int kPapersPerTopic = 5;
constexpr int kCodeLength = 8;

/// Letters that begin a line Markdown would read as a block of its own.
bool StartsBlock(const QString& line)
{
    static const QRegularExpression block(
        QStringLiteral("^(#{1,6}(\\s|$)|>|=+\\s*$|[-+](\\s|$)|-{3,}|\\d+[.)](\\s|$))"));
    return block.match(line).hasMatch();
}

/// A Markdown line the paper reader would take for a line of its own (`Question`,
/// `Answer: ...`, `( ) option`, ...), changed so that it shows the same but is text:
/// its first character escaped or written as a character reference.
QString AsTextLine(const QString& line)
{
    static const QRegularExpression syntax(
        QStringLiteral("^\\s*(question(\\s+\\d+)?\\s*$|answer\\s*(\\(.*\\))?\\s*:|solution\\s*:|"
                       "page\\s*:|\\(\\s*x?\\s*\\)|//)"),
        QRegularExpression::CaseInsensitiveOption);
    if (!syntax.match(line).hasMatch())
        return line;
    int first = 0;
    while (line.at(first).isSpace())
        ++first;
    QString safe = line;
    if (line.at(first).isLetter())
        safe.replace(first, 1, QStringLiteral("&#%1;").arg(line.at(first).unicode()));
    else
        safe.insert(first, QLatin1Char('\\'));
    return safe;
}

QString AsText(const QString& markdown)
{
    QStringList lines = markdown.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = AsTextLine(line);
    return lines.join(QLatin1Char('\n'));
}

QString PackageCode(const QString& title)
{
    QString code;
    for (const QChar c : title) {
        if (code.size() < kCodeLength && c.toUpper() >= QLatin1Char('A') &&
            c.toUpper() <= QLatin1Char('Z'))
            code += c.toUpper();
    }
    return code.isEmpty() ? QStringLiteral("QUIZ") : code;
}

QString Slug(const QString& name)
{
    QString slug;
    for (const QChar c : name.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c.isDigit())
            slug += c;
        else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
            slug += QLatin1Char('-');
    }
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    return slug.isEmpty() ? QStringLiteral("topic") : slug;
}

} // namespace

int ImportedQuiz::importedCount() const
{
    int count = 0;
    for (const ImportedTopic& each : topics)
        count += int(each.questions.size());
    return count;
}

void ImportedQuiz::leaveOut(int line, const QString& why)
{
    notes += QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(why);
    ++leftOut;
}

void ImportedQuiz::fail(int line, const QString& why) const
{
    throw Error(QString(), QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(why));
}

ImportedTopic& ImportedQuiz::topic(const QString& name, int line)
{
    for (ImportedTopic& each : topics) {
        if (each.name == name)
            return each;
    }
    topics.append(ImportedTopic{name, line, {}});
    return topics.last();
}

QString QuizTitle(const QString& fileName)
{
    QString title = QFileInfo(fileName).completeBaseName();
    title.replace(QRegularExpression(QStringLiteral("[-_.\\s]+")), QStringLiteral(" "));
    title.removeIf([](QChar c) { return !IsStorableChar(c); });
    title = title.trimmed();
    if (title.isEmpty())
        return QStringLiteral("Quiz");
    title[0] = title.at(0).toUpper();
    return title;
}

QStringList QuizLines(const QByteArray& bytes)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    QString text = QString::fromUtf8(bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes);
    text.remove(QLatin1Char('\r'));
    return text.split(QLatin1Char('\n'));
}

QString MarkdownFromPlain(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QString plain = line.trimmed();
        QString out;
        for (int i = 0; i < plain.size(); ++i) {
            const QChar c = plain.at(i);
            const QChar before = i > 0 ? plain.at(i - 1) : QChar();
            const QChar after = i + 1 < plain.size() ? plain.at(i + 1) : QChar();
            bool escape = QStringLiteral("\\*`[").contains(c);
            // Only what Markdown would misread: snake_case and 2 < 3 stay as written.
            if (c == QLatin1Char('_'))
                escape = !(before.isLetterOrNumber() && after.isLetterOrNumber());
            if (c == QLatin1Char('<'))
                escape = after.isLetter() || QStringLiteral("/!?").contains(after);
            if (c == QLatin1Char('&'))
                escape = after.isLetter() || after == QLatin1Char('#');
            if (escape)
                out += QLatin1Char('\\');
            out += c;
        }
        if (StartsBlock(out)) {
            int mark = 0;
            while (out.at(mark).isDigit())
                ++mark;
            out.insert(mark, QLatin1Char('\\'));
        }
        line = out;
    }
    return lines.join(QLatin1Char('\n')).trimmed();
}

QString KeyProblem(const QString& key)
{
    if (key.trimmed().isEmpty())
        return QStringLiteral("an answer is empty");
    if (!IsStorableText(key))
        return QStringLiteral("the answer \"%1\" has a character the record files cannot "
                              "hold (Windows-1252 only, no '>')")
            .arg(key);
    if (key.contains(QLatin1Char(';')))
        return QStringLiteral("the answer \"%1\" holds a ';', which separates alternatives")
            .arg(key);
    return QString();
}

QByteArray PaperSource(const QList<ImportedQuestion>& questions)
{
    QString out;
    for (const ImportedQuestion& question : questions) {
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        out += QStringLiteral("Question\n") + AsText(question.text) + QLatin1Char('\n');
        if (!question.options.isEmpty())
            out += QLatin1Char('\n');
        for (int i = 0; i < question.options.size(); ++i)
            out += (i == question.rightOption ? QStringLiteral("(x) ") : QStringLiteral("( ) ")) +
                   question.options.at(i) + QLatin1Char('\n');
        for (const ImportedAnswer& answer : question.answers) {
            if (!answer.prompt.isEmpty())
                out += QLatin1Char('\n') + AsText(answer.prompt) + QLatin1Char('\n');
            out += QStringLiteral("Answer");
            if (!answer.attributes.isEmpty())
                out += QStringLiteral(" (%1)").arg(answer.attributes);
            out += QStringLiteral(": ") + answer.key + QLatin1Char('\n');
        }
        if (!question.solution.isEmpty())
            out += QStringLiteral("\nSolution:\n") + AsText(question.solution) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

QList<SourceFile> SourceFiles(const ImportedQuiz& quiz, QStringList& warnings)
{
    const QString title = QuizTitle(quiz.file);
    QString settings = QStringLiteral("Name: %1\nCode: %2\n\nModule: %1\n")
                           .arg(title, PackageCode(title));
    QList<SourceFile> files{{QStringLiteral("package.txt"), {}}};
    QSet<QString> slugs;
    for (const ImportedTopic& topic : quiz.topics) {
        const int count = int(topic.questions.size());
        if (count == 0)
            continue;
        QString slug = Slug(topic.name);
        for (int n = 2; slugs.contains(slug); ++n)
            slug = Slug(topic.name) + QLatin1Char('-') + QString::number(n);
        slugs.insert(slug);
        settings += QStringLiteral("  Topic: %1\n").arg(topic.name);
        // In order: the first papers take one question more when the count is uneven.
        const int papers = qMin(count, kPapersPerTopic);
        int first = 0;
        for (int paper = 0; paper < papers; ++paper) {
            const int size = count / papers + (paper < count % papers ? 1 : 0);
            const QString path = QStringLiteral("%1/%2.txt").arg(slug).arg(paper + 1);
            files.append({path, PaperSource(topic.questions.mid(first, size))});
            settings += QStringLiteral("    %1\n").arg(path);
            first += size;
        }
        if (papers < kPapersPerTopic) {
            const QString missing =
                papers + 1 == kPapersPerTopic
                    ? QStringLiteral("%1/5.txt").arg(slug)
                    : QStringLiteral("%1/%2.txt to 5.txt").arg(slug).arg(papers + 1);
            settings += QStringLiteral("    // %1 still to be written\n").arg(missing);
            warnings += QStringLiteral("%1:%2: the topic %3 has %4 questions, too few for five "
                                       "papers; write %5")
                            .arg(quiz.file)
                            .arg(topic.line)
                            .arg(topic.name)
                            .arg(count)
                            .arg(missing);
        }
    }
    files.first().bytes = settings.toUtf8();
    return files;
}

void WriteSourceFolder(const QString& folder, const QList<SourceFile>& files)
{
    const QDir dir(folder);
    if (dir.exists() &&
        !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        throw Error(folder, QStringLiteral("The folder is not empty; import writes only into a "
                                           "new or empty folder"));
    for (const SourceFile& file : files) {
        const QString path = dir.filePath(file.path);
        if (!QDir().mkpath(QFileInfo(path).path()))
            throw Error(QFileInfo(path).path(), QStringLiteral("The folder cannot be made"));
        WriteFileAtomically(path, file.bytes, false);
    }
}

} // namespace orlavine::pack
