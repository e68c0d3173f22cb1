#include "testfolder.h"

#include "programfolder.h"
#include "resources.h"

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
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
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
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), target + QLatin1Char('/') + name);
}
