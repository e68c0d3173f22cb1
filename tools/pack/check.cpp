#include "check.h"

#include <QFileInfo>

namespace orlavine::pack {

QString Problem::text() const
{
    QStringList where;
    if (resource != 0)
        where.append(QStringLiteral("resource %1").arg(resource));
    if (paper != 0)
        where.append(QStringLiteral("paper %1").arg(paper));
    if (question != 0)
        where.append(
            QStringLiteral("question %1 (%2)").arg(question).arg(QString::fromLatin1(questionId)));
    else if (!questionId.isEmpty())
        where.append(QStringLiteral("question %1").arg(QString::fromLatin1(questionId)));
    const QString kind = warning ? QStringLiteral("warning") : QStringLiteral("error");
    if (where.isEmpty())
        return kind + QStringLiteral(": ") + message;
    return QStringLiteral("%1: %2: %3").arg(kind, where.join(QStringLiteral(", ")), message);
}

void Findings::add(bool warning, const Place& place, const QString& message)
{
    m_problems.append(
        Problem{warning, place.resource, place.paper, place.question, place.questionId, message});
}

int Findings::errorCount() const
{
    int count = 0;
    for (const Problem& problem : m_problems)
        count += problem.warning ? 0 : 1;
    return count;
}

int PaperInfo::subAnswerCount() const
{
    int count = 0;
    for (const QuestionInfo& q : questions)
        count += int(q.keys.size());
    return count;
}

PackageInfo ReadPackage(const FolderResources& resources, Findings& findings)
{
    PackageInfo package;
    CheckSettings(resources, package, findings);
    for (ModuleInfo& module : package.modules)
        CheckTables(resources, module, findings);
    return package;
}

namespace {

/// False, with the error added, when the folder holds no resources at all.
bool HoldsResources(const FolderResources& resources, const QString& folder, Findings& findings)
{
    if (!resources.ids().isEmpty())
        return true;
    findings.error({}, QFileInfo(folder).isDir()
                           ? QStringLiteral("%1 holds no package resources").arg(folder)
                           : QStringLiteral("there is no folder %1").arg(folder));
    return false;
}

} // namespace

QList<Problem> CheckPackage(const QString& folder)
{
    const FolderResources resources(folder);
    Findings findings;
    if (!HoldsResources(resources, folder, findings))
        return findings.problems();
    PackageInfo package = ReadPackage(resources, findings);
    for (const ModuleInfo& module : package.modules)
        CheckKeys(module, findings);
    CheckPages(resources, package, findings);
    CheckPictures(resources, findings);
    for (const ModuleInfo& module : package.modules) {
        CheckTemplates(resources, module, findings);
        CheckPapers(resources, module, findings);
    }
    return findings.problems();
}

PackageInfo CheckPackageToRun(const QString& folder, const FolderResources& resources,
                              Findings& findings)
{
    if (!HoldsResources(resources, folder, findings))
        return {};
    PackageInfo package = ReadPackage(resources, findings);
    CheckPictures(resources, findings);
    for (const ModuleInfo& module : package.modules)
        CheckTemplates(resources, module, findings);
    CheckPages(resources, package, findings, false);
    return package;
}

} // namespace orlavine::pack
