#include "stats.h"

#include "check.h"
#include "records/package.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

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

void CountPages(const FolderResources& resources, const ModuleInfo& module, Figures& figures)
{
    for (const PaperInfo& paper : module.papers) {
        for (const QuestionInfo& info : paper.questions) {
            figures.solutions += resources.contains(SolutionResource(info.id.toInt())) ? 1 : 0;
            const std::optional<QByteArray> page = resources.load(info.id.toInt());
            if (!page)
                continue;
            QStringList errors, warnings;
            const int pictures = PagePictureCount(*page, errors, warnings);
            ++figures.pages;
            figures.pagesWithPictures += pictures > 0 ? 1 : 0;
            figures.pictures += pictures;
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
    for (const ModuleInfo& module : package.modules) {
        Figures figures;
        for (const PaperInfo& paper : module.papers) {
            figures.addPaper(paper);
            all.addPaper(paper);
        }
        CountPages(resources, module, figures);
        all.pages += figures.pages;
        all.pagesWithPictures += figures.pagesWithPictures;
        all.pictures += figures.pictures;
        all.solutions += figures.solutions;
        out += QStringLiteral("Module %1 \"%2\", %3 topics:\n")
                   .arg(module.number)
                   .arg(QString::fromLatin1(module.label))
                   .arg(module.topicCount);
        out += figures.text(QStringLiteral("  "));
    }
    out += QStringLiteral("All modules:\n") + all.text(QStringLiteral("  "));
    return out;
}

} // namespace orlavine::pack
