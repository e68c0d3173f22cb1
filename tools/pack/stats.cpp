#include "stats.h"

#include "check.h"
#include "records/package.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace orlavine::pack {

namespace {

const QByteArray kTypes = "QTNMGLRFX";

struct Figures {
    int papers = 0, questions = 0, subAnswers = 0, marks = 0, pages = 0, pagesWithPictures = 0,
        pictures = 0, solutions = 0;
    int fewestQuestions = 0, mostQuestions = 0, fewestSubAnswers = 0, mostSubAnswers = 0,
        mostInQuestion = 0;
    QMap<QByteArray, int> byType;

    void addPaper(const PaperInfo& paper)
    {
        const int q = int(paper.questions.size());
        const int n = paper.subAnswerCount();
        fewestQuestions = papers == 0 ? q : std::min(fewestQuestions, q);
        fewestSubAnswers = papers == 0 ? n : std::min(fewestSubAnswers, n);
        mostQuestions = std::max(mostQuestions, q);
        mostSubAnswers = std::max(mostSubAnswers, n);
        ++papers;
        questions += q;
        subAnswers += n;
        for (const QuestionInfo& info : paper.questions) {
            mostInQuestion = std::max(mostInQuestion, int(info.keys.size()));
            for (const QByteArray& type : info.types)
                ++byType[type];
            for (const QByteArray& mark : info.marks)
                marks += mark.trimmed().toInt();
        }
    }

    QString text(const QString& indent) const
    {
        QStringList types;
        for (const char t : kTypes)
            types.append(QStringLiteral("%1 %2").arg(QChar(t)).arg(byType.value(QByteArray(1, t))));
        const int percent = pages == 0 ? 0 : (pagesWithPictures * 100 + pages / 2) / pages;
        return indent +
               QStringLiteral("papers %1, questions %2 (%3 to %4 a paper), sub-answers %5 (%6 to "
                              "%7 a paper, at most %8 a question), marks %9\n")
                   .arg(papers)
                   .arg(questions)
                   .arg(fewestQuestions)
                   .arg(mostQuestions)
                   .arg(subAnswers)
                   .arg(fewestSubAnswers)
                   .arg(mostSubAnswers)
                   .arg(mostInQuestion)
                   .arg(marks) +
               indent +
               QStringLiteral("sub-answers by type: %1\n").arg(types.join(QStringLiteral(", "))) +
               indent +
               QStringLiteral("pages with pictures: %1 of %2 (%3%), pictures on pages: %4\n")
                   .arg(pagesWithPictures)
                   .arg(pages)
                   .arg(percent)
                   .arg(pictures) +
               indent +
               QStringLiteral("worked solutions: %1 of %2 questions\n").arg(solutions).arg(questions);
    }
};

/// The variety of a topic's papers: its kinds of question, questions seen twice, and the
/// fewest and most marks of a paper.
struct TopicFigures {
    QSet<QString> kinds;
    bool kindsNamed = true; // every page names its kind; else kinds are told by their text
    QSet<QString> faces;
    int repeats = 0;
    int fewestMarks = 0, mostMarks = 0, papers = 0;

    void addPaper(const PaperInfo& paper)
    {
        const int marks = PaperMarks(paper);
        fewestMarks = papers == 0 ? marks : std::min(fewestMarks, marks);
        mostMarks = std::max(mostMarks, marks);
        ++papers;
    }

    void addPage(const PageFace& face)
    {
        static const QRegularExpression numbers(QStringLiteral("\\d+"));
        kindsNamed = kindsNamed && !face.kind.isEmpty();
        kinds.insert(face.kind.isEmpty() ? QString(face.text).replace(numbers, QStringLiteral("#"))
                                         : face.kind);
        const QString key = face.identity();
        repeats += faces.contains(key) ? 1 : 0;
        faces.insert(key);
    }

    QString text(const QByteArray& name) const
    {
        return QStringLiteral("    %1: %2 kinds%3, %4 repeated, marks a paper %5 to %6\n")
            .arg(QString::fromLatin1(name))
            .arg(kinds.size())
            .arg(kindsNamed ? QString() : QStringLiteral(" (told by their text)"))
            .arg(repeats)
            .arg(fewestMarks)
            .arg(mostMarks);
    }
};

void CountPages(const FolderResources& resources, const ModuleInfo& module, Figures& figures,
                QList<TopicFigures>& topics)
{
    for (const PaperInfo& paper : module.papers) {
        const int topic = ModuleInfo::topicOf(paper.number);
        if (topic >= 0 && topic < topics.size())
            topics[topic].addPaper(paper);
        for (int q = 0; q < paper.questions.size(); ++q) {
            const QuestionInfo& info = paper.questions.at(q);
            figures.solutions += resources.contains(SolutionResource(info.id.toInt())) ? 1 : 0;
            const std::optional<QByteArray> page = resources.load(info.id.toInt());
            if (!page)
                continue;
            QStringList errors, warnings;
            const int pictures = PagePictureCount(*page, errors, warnings);
            ++figures.pages;
            figures.pagesWithPictures += pictures > 0 ? 1 : 0;
            figures.pictures += pictures;
            if (topic >= 0 && topic < topics.size())
                topics[topic].addPage(ReadPageFace(*page, q + 1));
        }
    }
}

} // namespace

QString PackageStats(const QString& folder)
{
    const FolderResources resources(folder);
    Findings ignored;
    const PackageInfo package = ReadPackage(resources, ignored);
    qint64 bytes = 0;
    const QList<int> ids = resources.ids();
    for (int id : ids)
        bytes += QFileInfo(resources.fileOf(id)).size();
    QString out = QStringLiteral("%1 (code %2): %3 resources, %4 bytes\n")
                      .arg(QString::fromLatin1(package.name), QString::fromLatin1(package.code))
                      .arg(ids.size())
                      .arg(bytes);
    Figures all;
    int topicCount = 0;
    for (const ModuleInfo& module : package.modules) {
        Figures figures;
        for (const PaperInfo& paper : module.papers) {
            figures.addPaper(paper);
            all.addPaper(paper);
        }
        QList<TopicFigures> topics(module.topicCount);
        CountPages(resources, module, figures, topics);
        topicCount += module.topicCount;
        all.pages += figures.pages;
        all.pagesWithPictures += figures.pagesWithPictures;
        all.pictures += figures.pictures;
        all.solutions += figures.solutions;
        out += QStringLiteral("Module %1 \"%2\", %3 topics:\n")
                   .arg(module.number)
                   .arg(QString::fromLatin1(module.label))
                   .arg(module.topicCount);
        out += figures.text(QStringLiteral("  ")) + QStringLiteral("  per topic:\n");
        for (int t = 0; t < topics.size(); ++t)
            out += topics.at(t).text(t < module.topicNames.size()
                                         ? module.topicNames.at(t).trimmed()
                                         : QByteArray::number(t + 1));
    }
    out += QStringLiteral("All modules: %1 modules, %2 topics\n")
               .arg(package.modules.size())
               .arg(topicCount) +
           all.text(QStringLiteral("  "));
    return out;
}

} // namespace orlavine::pack
