#include "testfolder.h"

#include "records/programfolder.h"
#include "records/resources.h"

#include <QDir>
#include <QFile>

TestFolder::TestFolder()
{
    orlavine::SetProgramFolder(m_dir.path());
    orlavine::SetResourceSource(nullptr);
}

TestFolder::~TestFolder()
{
    orlavine::SetResourceSource(nullptr);
    orlavine::SetProgramFolder(QString());
}

QString TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    WriteFile(path, bytes);
    return path;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

bool ReplaceInFile(const QString& path, const QByteArray& before, const QByteArray& after)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = f.readAll();
    f.close();
    if (!text.contains(before))
        return false;
    WriteFile(path, text.replace(before, after));
    return true;
}

QByteArray TestFolder::read(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString TestPackageFolder() { return QStringLiteral(ORLAVINE_TEST_DATA "/package"); }

void CopyTestPackage(const QString& target)
{
    QDir().mkpath(target);
    const QDir source(TestPackageFolder());
    // Plain writes: QFile::copy waits for the disk on every file.
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile from(source.filePath(name));
        if (from.open(QIODevice::ReadOnly))
            WriteFile(target + QLatin1Char('/') + name, from.readAll());
    }
}

PackageInMemory::PackageInMemory()
{
    const orlavine::FolderResources package(TestPackageFolder());
    for (int id : package.ids())
        resources.insert(id, package.load(id).value_or(QByteArray()));
}

std::optional<QByteArray> PackageInMemory::load(int id) const
{
    const auto it = resources.constFind(id);
    if (it == resources.cend())
        return std::nullopt;
    return *it;
}

std::shared_ptr<PackageInMemory> PackageInMemory::install()
{
    auto package = std::make_shared<PackageInMemory>();
    orlavine::SetResourceSource(package);
    return package;
}
