#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace orlavine {

/// Where the content package's resources come from. Resources are addressed by
/// numeric id; their one type is "Custom".
class ResourceSource {
public:
    virtual ~ResourceSource() = default;
    /// The bytes of resource `id`, or nothing when the package has no such resource.
    virtual std::optional<QByteArray> load(int id) const = 0;
    /// Whether the package has resource `id`, without reading it.
    virtual bool contains(int id) const { return load(id).has_value(); }
};

/// The package compiled into the executable (resource root ":/package").
class EmbeddedResources : public ResourceSource {
public:
    std::optional<QByteArray> load(int id) const override;
    bool contains(int id) const override;
};

/// A package folder on disk: each file's name begins with its resource id
/// ("30000.txt", "16001.mht", "1-about_off.bmp"); the rest of the name is free.
class FolderResources : public ResourceSource {
public:
    explicit FolderResources(const QString& folder);
    std::optional<QByteArray> load(int id) const override;
    bool contains(int id) const override { return m_files.contains(id); }
    /// Ids found in the folder, ascending.
    QList<int> ids() const;
    /// File of resource `id`, or empty.
    QString fileOf(int id) const { return m_files.value(id); }

private:
    QHash<int, QString> m_files;
};

/// The source every core operation reads; the embedded package unless a test or tool
/// installed another.
const ResourceSource& CurrentResources();
void SetResourceSource(std::shared_ptr<const ResourceSource> source);

/// Result numbers of WriteResourceFile.
enum ResourceWriteResult {
    ResourceWritten = 0,
    ResourceNotFound = 1813,   // no resource of that type and id
    ResourceFileNotWritten = 75 // the file or its folder cannot be written
};

/// Writes resource (type, id) to `path` so that the file holds exactly its bytes.
/// Returns 0 on success, otherwise a ResourceWriteResult; never throws. The file is
/// replaced atomically, so a failed write leaves an existing file whole.
int WriteResourceFile(int id, const QString& type, const QString& path);

/// As WriteResourceFile; `written` then holds the bytes written (empty when it failed),
/// so a caller can parse what it wrote without reading the file back.
int WriteResourceFile(int id, const QString& type, const QString& path, QByteArray& written);

/// Words for a WriteResourceFile result, to show in a message.
QString ResourceWriteError(int result, int id);

} // namespace orlavine
