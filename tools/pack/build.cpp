#include "build.h"

#include "generate.h"
#include "source.h"

#include <QDir>

namespace orlavine::pack {

BuildResult BuildPackage(const QString& source, const QString& folder)
{
    BuildResult result;
    PackageContent content = ReadSource(FolderFiles(source), result.errors);
    if (!result.errors.isEmpty())
        return result;
    content.skinFolders = {QDir(source).filePath(QStringLiteral("skin")), DefaultSkinFolder()};
    WritePackage(folder, content);
    for (const ModulePapers& module : content.modules) {
        result.papers += int(module.papers.size());
        for (const PaperPlan& paper : module.papers)
            result.questions += int(paper.questions.size());
    }
    return result;
}

} // namespace orlavine::pack
