#include "app/packagefolder.h"

#include "chrome/popupbox.h"
#include "chrome/skin.h"
#include "records/pictures.h"
#include "records/programfolder.h"
#include "records/resources.h"

#include "check.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace orlavine {

namespace {

constexpr int kShownProblems = 4;

QString RefusalMessage(const QString& folder, const QStringList& errors)
{
    QString message = QStringLiteral("%1 is not a package the program can show:")
                          .arg(QDir::toNativeSeparators(folder));
    for (int i = 0; i < qMin(kShownProblems, int(errors.size())); ++i)
        message += QLatin1Char('\n') + errors.at(i);
    if (errors.size() > kShownProblems)
        message += QStringLiteral("\nand %1 more").arg(errors.size() - kShownProblems);
    return message;
}

/// Shows `message` in the pop-up box, dressed in the built-in package's pictures written to
/// a scratch folder: the refused folder may have none, and no pupil's folder is touched.
void ShowRefusal(const QString& message)
{
    const QTemporaryDir scratch;
    const QString programFolder = ProgramFolder();
    SetProgramFolder(scratch.path());
    ExtractGraphics();
    CallPop(QStringLiteral("Orlavine"), message, 1, nullptr);
    SetProgramFolder(programFolder);
    Skin::reload(); // its pictures go with the scratch folder
}

} // namespace

QString PackageProgramFolder(const QByteArray& code)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/packages/") + QString::fromLatin1(code.trimmed());
}

QString UsePackageFolder(const QString& folder, const QString& requested)
{
    auto resources = std::make_shared<const FolderResources>(QFileInfo(folder).absoluteFilePath());
    pack::Findings findings;
    const pack::PackageInfo package = pack::CheckPackageToRun(folder, *resources, findings);
    QStringList errors;
    for (const pack::Problem& problem : findings.problems()) {
        if (!problem.warning)
            errors.append(problem.text().section(QStringLiteral(": "), 1)); // without "error: "
    }
    // "packages/.." would be the pupil's own folder.
    if (requested.isEmpty() && (package.code.trimmed() == "." || package.code.trimmed() == ".."))
        errors.append(QStringLiteral("the package code \"%1\" cannot name a folder")
                          .arg(QString::fromLatin1(package.code)));
    if (!errors.isEmpty()) {
        ShowRefusal(RefusalMessage(folder, errors));
        return QString();
    }
    SetResourceSource(std::move(resources));
    return requested.isEmpty() ? PackageProgramFolder(package.code) : requested;
}

} // namespace orlavine
