#include "records/resources.h"

#include "records/error.h"
#include "records/fileio.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <algorithm>

namespace orlavine {

namespace {

std::shared_ptr<const ResourceSource>& Installed()
{
    static std::shared_ptr<const ResourceSource> source = std::make_shared<EmbeddedResources>();
    return source;
}

std::optional<QByteArray> ReadResourceFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::optional<QByteArray> EmbeddedResources::load(int id) const
{
    return ReadResourceFile(QStringLiteral(":/package/%1").arg(id));
}

bool EmbeddedResources::contains(int id) const
{
    return QFile::exists(QStringLiteral(":/package/%1").arg(id));
}

FolderResources::FolderResources(const QString& folder)
{
    // Listed unsorted, a package having thousands of files: of two files of one id, the
    // first by name wins.
    const QDir dir(folder);
    for (QDirIterator it(dir.path(), QDir::Files); it.hasNext();) {
        it.next();
        const QString name = it.fileName();
        int digits = 0;
        while (digits < name.size() && name.at(digits).isDigit())
            ++digits;
        bool ok = false;
        const int id = name.left(digits).toInt(&ok);
        if (!ok)
            continue;
        const QString path = dir.filePath(name);
        const auto found = m_files.find(id);
        if (found == m_files.end())
            m_files.insert(id, path);
        else if (path < *found)
            *found = path;
    }
}

std::optional<QByteArray> FolderResources::load(int id) const
{
    const auto it = m_files.constFind(id);
    if (it == m_files.cend())
        return std::nullopt;
    return ReadResourceFile(*it);
}

QList<int> FolderResources::ids() const
{
    QList<int> ids = m_files.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

const ResourceSource& CurrentResources() { return *Installed(); }

void SetResourceSource(std::shared_ptr<const ResourceSource> source)
{
    Installed() = source ? std::move(source) : std::make_shared<EmbeddedResources>();
}

int WriteResourceFile(int id, const QString& type, const QString& path)
{
    QByteArray written;
    return WriteResourceFile(id, type, path, written);
}

int WriteResourceFile(int id, const QString& type, const QString& path, QByteArray& written)
{
    written.clear();
    if (type != QLatin1String("Custom"))
        return ResourceNotFound;
    const std::optional<QByteArray> bytes = CurrentResources().load(id);
    if (!bytes)
        return ResourceNotFound;
    try {
        // Package files can be written again at any time: no need to wait for the disk.
        WriteFileAtomically(path, *bytes, false);
    } catch (const Error&) {
        // The design's result number stands for the failure; the caller words it.
        return ResourceFileNotWritten;
    }
    written = *bytes;
    return ResourceWritten;
}

QString ResourceWriteError(int result, int id)
{
    switch (result) {
    case ResourceWritten:
        return QString();
    case ResourceNotFound:
        return QStringLiteral("The content package has no resource %1").arg(id);
    default:
        return QStringLiteral("Resource %1 of the content package cannot be written to the program folder")
            .arg(id);
    }
}

} // namespace orlavine
