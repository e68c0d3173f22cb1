// A whole package source: the settings, the paper files they list, question ids.
#include "source.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace orlavine::pack {

namespace {

constexpr int kPapersPerTopic = 5;

QString At(const QString& file, int line, const QString& message)
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
}

/// The paper files a settings line stands for: itself, or the files its pattern matches.
QStringList PaperFiles(const SourceLine& entry, const SourceTree& files, QStringList& errors)
{
    const QString path = QString(entry.text).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.contains(QLatin1Char('*')) && !path.contains(QLatin1Char('?'))) {
        if (files.read(path))
            return {path};
        errors.append(At(QLatin1String(kSettingsFile), entry.line,
                         QStringLiteral("the paper file \"%1\" is missing").arg(path)));
        return {};
    }
    const QFileInfo info(path);
    const QString folder = info.path() == QLatin1String(".") ? QString() : info.path();
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(
        info.fileName()));
    QStringList found;
    for (const QString& name : files.filesIn(folder)) {
        if (pattern.match(name).hasMatch())
            found.append(folder.isEmpty() ? name : folder + QLatin1Char('/') + name);
    }
    if (found.isEmpty())
        errors.append(At(QLatin1String(kSettingsFile), entry.line,
                         QStringLiteral("no paper file matches \"%1\"").arg(path)));
    return found;
}

/// A paper read, with where each question stands for later errors.
struct ReadPaperFile {
    int module = 0; // its index in the content
    QString file;
    PaperPlan plan;
    QList<int> lines;
};

/// Checks the answer sheet's limits of a paper.
void CheckPaper(const ReadPaperFile& paper, QStringList& errors)
{
    if (paper.plan.questions.isEmpty()) {
        errors.append(At(paper.file, 1, QStringLiteral("the paper has no questions")));
        return;
    }
    int answers = 0;
    for (int q = 0; q < paper.plan.questions.size(); ++q) {
        const int before = answers;
        answers += paper.plan.questions.at(q).slotCount();
        if (before <= kMaxPaperSlots && answers > kMaxPaperSlots)
            errors.append(At(paper.file, paper.lines.at(q),
                             QStringLiteral("the paper passes %1 answers here; at most %1 fit its "
                                            "answer sheet")
                                 .arg(kMaxPaperSlots)));
    }
}

/// Gives each question without an id of its own the next id no question has.
void NumberQuestions(QList<ReadPaperFile>& papers, QStringList& errors)
{
    QHash<int, QString> given; // id and where it was given
    for (ReadPaperFile& paper : papers) {
        for (int q = 0; q < paper.plan.questions.size(); ++q) {
            const int id = paper.plan.questions.at(q).id;
            if (id == 0)
                continue;
            const QString where = QStringLiteral("%1:%2").arg(paper.file).arg(paper.lines.at(q));
            if (given.contains(id))
                errors.append(where + QStringLiteral(": the id %1 is already the id of the "
                                                     "question at %2")
                                          .arg(id)
                                          .arg(given.value(id)));
            else
                given.insert(id, where);
        }
    }
    int next = kFirstQuestionId;
    for (ReadPaperFile& paper : papers) {
        for (int q = 0; q < paper.plan.questions.size(); ++q) {
            Question& question = paper.plan.questions[q];
            if (question.id != 0)
                continue;
            while (given.contains(next))
                ++next;
            if (next > kLastQuestionId) {
                errors.append(At(paper.file, paper.lines.at(q),
                                 QStringLiteral("no id is left for the question: a package holds "
                                                "questions %1 to %2")
                                     .arg(kFirstQuestionId)
                                     .arg(kLastQuestionId)));
                return;
            }
            question.id = next++;
        }
    }
}

} // namespace

PackageContent ReadSource(const SourceTree& files, QStringList& errors)
{
    PackageContent content;
    const std::optional<QByteArray> settingsBytes = files.read(QLatin1String(kSettingsFile));
    if (!settingsBytes) {
        errors.append(At(QLatin1String(kSettingsFile), 1,
                         QStringLiteral("the source folder has no settings file")));
        return content;
    }
    const SourceSettings settings = ReadSettings(*settingsBytes, errors);
    content.name = settings.name.text;
    content.code = settings.code.text;
    QSet<QString> listed;
    QList<ReadPaperFile> read;
    for (int m = 0; m < settings.modules.size() && m < 3; ++m) {
        const SourceModule& module = settings.modules.at(m);
        ModulePapers papers{{m + 1, module.label.text, {}}, {}};
        int paperCount = 0;
        for (const SourceTopic& topic : module.topics) {
            papers.plan.topics.append({topic.name.text, {}});
            QStringList paperFiles;
            for (const SourceLine& entry : topic.papers) {
                for (const QString& file : PaperFiles(entry, files, errors)) {
                    if (listed.contains(QDir::cleanPath(file)))
                        errors.append(At(QLatin1String(kSettingsFile), entry.line,
                                         QStringLiteral("the paper file \"%1\" is listed twice")
                                             .arg(file)));
                    listed.insert(QDir::cleanPath(file));
                    paperFiles.append(file);
                }
            }
            if (paperFiles.size() != kPapersPerTopic)
                errors.append(At(QLatin1String(kSettingsFile), topic.name.line,
                                 QStringLiteral("the topic has %1 papers; a topic has exactly %2")
                                     .arg(paperFiles.size())
                                     .arg(kPapersPerTopic)));
            for (const QString& file : paperFiles) {
                ReadPaperFile paper{m, file, {101 + paperCount++, {}}, {}};
                const QByteArray bytes = files.read(file).value_or(QByteArray());
                for (SourceQuestion& q : ReadPaper(bytes, file, files, errors)) {
                    q.question.topic = topic.name.text;
                    paper.plan.questions.append(q.question);
                    paper.lines.append(q.line);
                }
                CheckPaper(paper, errors);
                read.append(paper);
            }
        }
        content.modules.append(papers);
    }
    NumberQuestions(read, errors);
    for (const ReadPaperFile& paper : read)
        content.modules[paper.module].papers.append(paper.plan);
    return content;
}

} // namespace orlavine::pack
