#include "faultyfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <unistd.h>

namespace {

bool Run(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("mount"), arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool Unmount(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("umount"), {path});
    return process.waitForFinished(10000) && process.exitCode() == 0;
}

} // namespace

FaultyFolder::FaultyFolder(Kind kind, int bytes)
{
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    m_path = dir.path();
    if (geteuid() != 0)
        return;
    const QString size = QStringLiteral("size=%1").arg(kind == Tiny ? bytes : 1024 * 1024);
    m_mounted = Run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), size,
                     QStringLiteral("tmpfs"), m_path});
}

FaultyFolder::~FaultyFolder()
{
    for (const QString& pin : m_pins)
        Unmount(pin);
    if (m_mounted)
        Unmount(m_path);
    QDir(m_path).removeRecursively();
}

bool FaultyFolder::makeReadOnly()
{
    return m_mounted && Run({QStringLiteral("-o"), QStringLiteral("remount,ro"), m_path});
}

bool FaultyFolder::makeWritable()
{
    return m_mounted && Run({QStringLiteral("-o"), QStringLiteral("remount,rw"), m_path});
}

bool FaultyFolder::pin(const QString& file)
{
    const QString twin = file + QStringLiteral(".pin");
    if (!m_mounted || !QFile::copy(file, twin))
        return false;
    if (!Run({QStringLiteral("--bind"), twin, file}))
        return false;
    m_pins.append(file);
    return true;
}

qint64 FailingDevice::readData(char* data, qint64 maxSize)
{
    const qint64 n = qMin(maxSize, qint64(m_bytes.size()) - m_at);
    if (n <= 0) {
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }
    std::memcpy(data, m_bytes.constData() + m_at, size_t(n));
    m_at += n;
    return n;
}

qint64 FailingDevice::writeData(const char*, qint64)
{
    setErrorString(QStringLiteral("No space left on device"));
    return -1;
}
