#include "fileio.h"

#include "error.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orlavine {

namespace {

constexpr char kTemporarySuffix[] = ".new-";

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

[[noreturn]] void Fail(const QString& path, const QString& what, int error)
{
    throw Error(path, QStringLiteral("%1 (%2)").arg(what, SystemReason(error)));
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(path, file.exists() ? QStringLiteral("Cannot open the file")
                                        : QStringLiteral("The file is missing"));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(path, QStringLiteral("Cannot read the file"));
    return bytes;
}

// Written with the system calls themselves: every step's result is checked, so a full
// disk found only when the data is flushed is reported instead of leaving an empty file.
void WriteFileAtomically(const QString& path, const QByteArray& bytes, bool durable)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + kTemporarySuffix + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        Fail(path, QStringLiteral("Cannot write the file"), errno);

    struct stat old {};
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777) : mode_t(0644);
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && (!durable || ::fsync(fd) == 0);
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        Fail(path, QStringLiteral("Cannot save the file"), error);
    }
}

void RemoveStaleTemporaries(const QString& folder, const QDateTime& before)
{
    const QDir dir(folder);
    const QString pattern = QStringLiteral("*") + QLatin1String(kTemporarySuffix) + QStringLiteral("??????");
    for (const QFileInfo& file : dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden)) {
        if (file.lastModified() < before)
            QFile::remove(file.filePath());
    }
}

} // namespace orlavine
