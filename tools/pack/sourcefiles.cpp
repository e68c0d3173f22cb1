#include "source.h"

#include <QDir>
#include <QFile>

namespace orlavine::pack {

std::optional<QByteArray> FolderFiles::read(const QString& path) const
{
    QFile file(QDir(m_folder).filePath(path));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QStringList FolderFiles::filesIn(const QString& folder) const
{
    return QDir(QDir(m_folder).filePath(folder)).entryList(QDir::Files, QDir::Name);
}

std::optional<QByteArray> MemoryFiles::read(const QString& path) const
{
    const auto found = files.constFind(QDir::cleanPath(path));
    if (found == files.cend())
        return std::nullopt;
    return *found;
}

QStringList MemoryFiles::filesIn(const QString& folder) const
{
    const QString prefix = folder.isEmpty() ? QString() : QDir::cleanPath(folder) + QLatin1Char('/');
    QStringList names;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString name = it.key().mid(prefix.size());
        if (it.key().startsWith(prefix) && !name.contains(QLatin1Char('/')))
            names.append(name);
    }
    return names; // in name order, as the map keeps them
}

QByteArray PictureType(const QByteArray& bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "image/png";
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "image/jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "image/gif";
    const QByteArray head = bytes.left(2048);
    const QByteArray text = head.startsWith("\xEF\xBB\xBF") ? head.mid(3).trimmed() : head.trimmed();
    if (text.startsWith('<') && head.contains("<svg"))
        return "image/svg+xml";
    return QByteArray();
}

} // namespace orlavine::pack
