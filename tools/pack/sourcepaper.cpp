// A paper file: questions, each of Markdown text, answer lines, options, a worked solution.
#include "source.h"

#include "markdown.h"
#include "mime.h"
#include "sourceanswer.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <climits>
#include <optional>

namespace orlavine::pack {

namespace {

constexpr int kMostAnswersOfQuestion = 20; // what the answer sheet shows of one question

const QRegularExpression kQuestionLine(QStringLiteral("^question(?:\\s+(\\S+))?$"),
                                       QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kAnswerLine(QStringLiteral("^answer\\s*(?:\\(([^)]*)\\))?\\s*:\\s*(.*)$"),
                                     QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kOptionLine(QStringLiteral("^\\(\\s*([xX]?)\\s*\\)\\s+(.*)$"));
const QRegularExpression kSolutionLine(QStringLiteral("^solution\\s*:\\s*(.*)$"),
                                       QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kPageLine(QStringLiteral("^page\\s*:\\s*(.+)$"),
                                   QRegularExpression::CaseInsensitiveOption);

/// Lines of Markdown gathered until an answer, the options or the solution end them.
struct Pending {
    QStringList lines;
    int first = 0;

    void add(const QString& line, int number)
    {
        if (lines.isEmpty() && line.trimmed().isEmpty())
            return;
        if (lines.isEmpty())
            first = number;
        lines.append(line);
    }
    /// The text without the indentation all its lines share.
    QString take()
    {
        int indent = INT_MAX;
        for (const QString& line : lines) {
            int spaces = 0;
            while (spaces < line.size() && line.at(spaces).isSpace())
                ++spaces;
            if (spaces < line.size())
                indent = std::min(indent, spaces);
        }
        QString text;
        for (const QString& line : lines)
            text += line.mid(std::min(indent, int(line.size()))) + QLatin1Char('\n');
        lines.clear();
        return text.trimmed().isEmpty() ? QString() : text;
    }
};

/// Reads one question, line by line.
class QuestionReader {
public:
    QuestionReader(const QString& file, int line, const SourceTree& files, QStringList& errors)
        : m_file(file), m_line(line), m_files(files), m_errors(errors)
    {
        m_find = [this](const QString& name, Picture& picture, QString& error) {
            return findPicture(name, picture, error);
        };
    }

    void read(const QString& raw, int number)
    {
        const QString text = raw.trimmed();
        QRegularExpressionMatch match;
        if (m_inSolution) {
            if (kAnswerLine.match(text).hasMatch() || kPageLine.match(text).hasMatch())
                error(number, QStringLiteral("an answer line or page after the solution: the "
                                             "solution comes last"));
            else
                m_solution.add(raw, number);
        } else if ((match = kAnswerLine.match(text)).hasMatch()) {
            endOptions();
            m_answerWritten = true;
            const QString prompt = takePrompt();
            Part part;
            QString problem;
            if (AnswerPart(match.captured(1), match.captured(2).trimmed(), prompt, part, problem))
                m_question.parts.append(part);
            else
                error(number, problem);
        } else if ((match = kOptionLine.match(text)).hasMatch()) {
            if (m_options.isEmpty()) {
                m_optionsPrompt = takePrompt();
                m_optionsLine = number;
            }
            m_options.append(RenderInlineMarkdown(match.captured(2), {m_file, number}, m_find,
                                                  m_question.pictures, m_errors));
            m_right.append(!match.captured(1).isEmpty());
        } else if ((match = kSolutionLine.match(text)).hasMatch()) {
            endOptions();
            m_inSolution = true;
            m_solution.add(match.captured(1), number);
        } else if ((match = kPageLine.match(text)).hasMatch()) {
            readPage(match.captured(1).trimmed(), number);
        } else {
            if (!text.isEmpty())
                endOptions();
            m_text.add(raw, number);
        }
    }

    SourceQuestion finish(const QString& idText)
    {
        endOptions();
        const int at = m_text.lines.isEmpty() ? m_line : m_text.first;
        const QString rest = render(m_text);
        if (!m_stemRead)
            m_stem = QStringList{rest};
        else
            m_question.note = rest;
        // In a question of parts, the last paragraph before the first answer asks part (a).
        if (m_question.parts.size() > 1 && m_question.parts.first().prompt.isEmpty() &&
            m_stem.size() > 1)
            m_question.parts.first().prompt = m_stem.takeLast();
        m_question.stem = m_stem.join(QString());
        if (m_solution.first > 0) {
            m_question.working = RenderMarkdown(m_solution.take(), {m_file, m_solution.first},
                                                m_find, m_question.workingPictures, m_errors);
        }
        if (!m_question.savedPage.isEmpty() &&
            !(m_question.stem + m_question.note + m_promptText).trimmed().isEmpty())
            error(at, QStringLiteral("a question given as a page has only answer lines and "
                                     "options besides it"));
        // An answer written wrong is reported where it stands, not once more here.
        if (m_question.parts.isEmpty() && !m_answerWritten)
            error(m_line, QStringLiteral("the question has no answer: give it an answer line or "
                                         "options"));
        if (m_question.slotCount() > kMostAnswersOfQuestion)
            error(m_line, QStringLiteral("the question has %1 answers; at most %2 fit the answer "
                                         "sheet")
                              .arg(m_question.slotCount())
                              .arg(kMostAnswersOfQuestion));
        readId(idText);
        return {m_question, m_line};
    }

private:
    void error(int line, const QString& message)
    {
        m_errors.append(QStringLiteral("%1:%2: %3").arg(m_file).arg(line).arg(message));
    }

    QString render(Pending& text)
    {
        const int first = text.first;
        const QString markdown = text.take();
        if (markdown.isEmpty())
            return QString();
        return RenderMarkdown(markdown, {m_file, first}, m_find, m_question.pictures, m_errors)
            .join(QString());
    }

    /// The text before an answer: the question's own text the first time, then a prompt.
    QString takePrompt()
    {
        const int first = m_text.first;
        const QString markdown = m_text.take();
        const QStringList blocks =
            markdown.isEmpty() ? QStringList()
                               : RenderMarkdown(markdown, {m_file, first}, m_find,
                                                m_question.pictures, m_errors);
        if (!m_stemRead) {
            m_stemRead = true;
            m_stem = blocks;
            return QString();
        }
        m_promptText += blocks.join(QString());
        return blocks.join(QString());
    }

    void endOptions()
    {
        if (m_options.isEmpty())
            return;
        m_answerWritten = true;
        Part part;
        QString problem;
        if (ChoiceOptionsPart(m_options, m_right, m_optionsPrompt, part, problem))
            m_question.parts.append(part);
        else
            error(m_optionsLine, problem);
        m_options.clear();
        m_right.clear();
    }

    /// A file named in a paper: beside the paper file, in the pictures folder, or from the
    /// source folder.
    std::optional<QByteArray> readNear(const QString& name, bool pictures) const
    {
        const QString folder = QFileInfo(m_file).path();
        QStringList places{folder == QLatin1String(".") ? name : folder + QLatin1Char('/') + name};
        if (pictures)
            places.append(QStringLiteral("pictures/") + name);
        places.append(name);
        for (const QString& place : places) {
            if (std::optional<QByteArray> bytes = m_files.read(place))
                return bytes;
        }
        return std::nullopt;
    }

    bool findPicture(const QString& name, Picture& picture, QString& problem) const
    {
        const std::optional<QByteArray> bytes = readNear(name, true);
        if (!bytes) {
            problem = QStringLiteral("the picture \"%1\" is missing: it is neither beside the "
                                     "paper file nor in pictures/")
                          .arg(name);
            return false;
        }
        picture.bytes = *bytes;
        picture.type = PictureType(*bytes);
        if (picture.type.isEmpty())
            problem = QStringLiteral("the picture \"%1\" is not a PNG, JPEG, GIF or SVG picture")
                          .arg(name);
        return !picture.type.isEmpty();
    }

    void readPage(const QString& name, int number)
    {
        const std::optional<QByteArray> bytes = readNear(name, false);
        QStringList problems;
        if (!bytes) {
            error(number, QStringLiteral("the page \"%1\" is missing").arg(name));
        } else if (const MimeDocument doc = ParseMime(*bytes, problems);
                   !problems.isEmpty() || doc.parts.isEmpty() ||
                   doc.parts.first().mediaType() != "text/html") {
            error(number, QStringLiteral("the page \"%1\" is not a single-file web page (MHTML)")
                              .arg(name));
        } else {
            m_question.savedPage = *bytes;
        }
    }

    void readId(const QString& text)
    {
        if (text.isEmpty())
            return;
        bool ok = false;
        const int id = text.toInt(&ok);
        if (!ok || id < kFirstQuestionId || id > kLastQuestionId)
            error(m_line, QStringLiteral("the question id \"%1\" is not a number from %2 to %3")
                              .arg(text)
                              .arg(kFirstQuestionId)
                              .arg(kLastQuestionId));
        else
            m_question.id = id;
    }

    QString m_file;
    int m_line;
    const SourceTree& m_files;
    QStringList& m_errors;
    PictureFinder m_find;
    Question m_question;
    Pending m_text, m_solution;
    bool m_stemRead = false, m_inSolution = false;
    bool m_answerWritten = false; // an answer line or options, right or wrong
    QStringList m_stem;
    QString m_promptText;
    QStringList m_options;
    QList<bool> m_right;
    QString m_optionsPrompt;
    int m_optionsLine = 0;
};

} // namespace

QList<SourceQuestion> ReadPaper(const QByteArray& bytes, const QString& file,
                                const SourceTree& files, QStringList& errors)
{
    QList<SourceQuestion> questions;
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QList<QByteArray> lines = body.split('\n');
    std::optional<QuestionReader> reader;
    QString idText;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = QString::fromUtf8(lines.at(i));
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QRegularExpressionMatch start = kQuestionLine.match(line.trimmed());
        if (start.hasMatch()) {
            if (reader)
                questions.append(reader->finish(idText));
            reader.emplace(file, i + 1, files, errors);
            idText = start.captured(1);
        } else if (reader) {
            reader->read(line, i + 1);
        } else if (!line.trimmed().isEmpty()) {
            errors.append(QStringLiteral("%1:%2: text before the first Question line")
                              .arg(file)
                              .arg(i + 1));
        }
    }
    if (reader)
        questions.append(reader->finish(idText));
    return questions;
}

} // namespace orlavine::pack
