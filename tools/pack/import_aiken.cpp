// The Aiken reader: a question's text, its options "A. ..." or "A) ...", and a line
// "ANSWER: B".
#include "import.h"
#include "sourcewriter.h"

#include <QRegularExpression>

namespace orlavine::pack {

namespace {

constexpr int kMostOptions = 4;

} // namespace

ImportedQuiz ImportAiken(const QByteArray& bytes, const QString& fileName)
{
    static const QRegularExpression optionLine(QStringLiteral("^([A-Z])[.)]\\s+(.*)$"));
    static const QRegularExpression answerLine(QStringLiteral("^ANSWER\\s*:\\s*([A-Z])$"),
                                               QRegularExpression::CaseInsensitiveOption);
    ImportedQuiz quiz;
    quiz.file = fileName;
    ImportedTopic& topic = quiz.topic(QuizTitle(fileName), 1);
    const QStringList lines = QuizLines(bytes);
    int first = 0; // the line the question being read starts at; 0 between questions
    QStringList text;
    QStringList options;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const int number = i + 1;
        if (first == 0) {
            if (!line.isEmpty()) {
                first = number;
                text = QStringList{line};
                options.clear();
            }
            continue;
        }
        const QRegularExpressionMatch answer = answerLine.match(line);
        const QRegularExpressionMatch option = optionLine.match(line);
        const QChar nextLetter(char16_t(u'A' + options.size()));
        if (answer.hasMatch()) {
            const int right = answer.captured(1).toUpper().at(0).unicode() - 'A';
            if (right >= options.size())
                quiz.fail(number, QStringLiteral("the answer %1 is not one of the options")
                                      .arg(answer.captured(1)));
            if (options.size() < 2 || options.size() > kMostOptions) {
                quiz.leaveOut(first, QStringLiteral("%1 options; a choice has two to four")
                                         .arg(options.size()));
            } else {
                ImportedQuestion question;
                question.line = first;
                question.text = MarkdownFromPlain(text.join(QLatin1Char('\n')));
                for (const QString& each : options)
                    question.options.append(MarkdownFromPlain(each));
                question.rightOption = right;
                topic.questions.append(question);
            }
            first = 0;
        } else if (option.hasMatch() && option.captured(1).at(0) == nextLetter) {
            options.append(option.captured(2));
        } else if (!options.isEmpty() && !line.isEmpty()) {
            quiz.fail(number,
                      QStringLiteral("option %1 or the ANSWER line expected").arg(nextLetter));
        } else if (options.isEmpty()) {
            text.append(line);
        }
    }
    if (first != 0)
        quiz.fail(first, QStringLiteral("a question without its ANSWER line"));
    return quiz;
}

} // namespace orlavine::pack
