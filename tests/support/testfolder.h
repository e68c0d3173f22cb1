#pragma once

#include "records/resources.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTemporaryDir>

/// A fresh, empty program folder for one test; the core's program folder points at it
/// while the object lives. The embedded test package is the resource source.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    /// Writes `bytes` to `name` in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

/// Writes `bytes` to `path` (created or replaced).
void WriteFile(const QString& path, const QByteArray& bytes);

/// Replaces `before` by `after` in the file at `path`; false when `before` is not there.
bool ReplaceInFile(const QString& path, const QByteArray& before, const QByteArray& after);

/// The test package folder in the source tree.
QString TestPackageFolder();

/// Copies the test package into `target` (created) so a test can damage the copy.
void CopyTestPackage(const QString& target);

/// The test package held in memory, so a test can damage its resources without files.
/// install() makes it the resource source; later changes to `resources` are seen at once.
class PackageInMemory : public orlavine::ResourceSource {
public:
    PackageInMemory();
    std::optional<QByteArray> load(int id) const override;
    /// Loads the test package, makes it the resource source and returns it to change.
    static std::shared_ptr<PackageInMemory> install();

    QHash<int, QByteArray> resources;
};
