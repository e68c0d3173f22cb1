#include "records/programfolder.h"

#include "records/error.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace orlavine {

namespace {

QString& Folder()
{
    static QString folder;
    return folder;
}

bool IsWritableFolder(const QString& folder)
{
    // Creating a file is the only reliable test (ACLs, read-only mounts, root).
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open();
}

} // namespace

QString ProgramFolder() { return Folder(); }

void SetProgramFolder(const QString& folder) { Folder() = QDir::cleanPath(folder); }

QString ChooseProgramFolder(const QString& requested, const QString& executableFolder)
{
    QString folder = requested;
    if (folder.isEmpty()) {
        folder = !executableFolder.isEmpty() && IsWritableFolder(executableFolder)
                     ? executableFolder
                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    folder = QFileInfo(folder).absoluteFilePath();
    if (!QDir().mkpath(folder))
        throw Error(folder, QStringLiteral("Cannot create the program folder"));
    return QDir::cleanPath(folder);
}

QString ProgramFile(const QString& name) { return Folder() + QLatin1Char('/') + name; }

QString GraphicsFile(const QString& name) { return Folder() + QStringLiteral("/Graphics/") + name; }

} // namespace orlavine
