#include "records/fileio.h"

#include "records/error.h"

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
constexpr char kJournalName[] = "unfinished-save.journal";

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

// Writes `bytes` to a new temporary file beside `path` and returns its name. Written
// with the system calls themselves: every step's result is checked, so a full disk found
// only when the data is flushed is reported instead of leaving an empty file.
QByteArray WriteTemporary(const QString& path, const QByteArray& bytes, bool durable)
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
    if (!ok) {
        ::unlink(temporary.constData());
        Fail(path, QStringLiteral("Cannot save the file"), error);
    }
    return temporary;
}

void PutInPlace(const QByteArray& temporary, const QString& path)
{
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        Fail(path, QStringLiteral("Cannot save the file"), errno);
}

// The renames reach the disk before the journal that would repeat them goes. Returns
// the error number of a step that failed, 0 when none did.
int SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(path, file.exists() ? QStringLiteral("Cannot open the file")
                                        : QStringLiteral("The file is missing"));
    }
    return ReadDevice(file, path);
}

QByteArray ReadDevice(QIODevice& device, const QString& file)
{
    // read() and not readAll(): only read() tells a failed read from the end.
    QByteArray bytes;
    if (!device.isSequential())
        bytes.reserve(qsizetype(qMax<qint64>(0, device.size() - device.pos())));
    char chunk[16384];
    for (;;) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0)
            throw Error(file, QStringLiteral("Cannot read the file"));
        if (got == 0)
            return bytes;
        bytes.append(chunk, qsizetype(got));
    }
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes, bool durable)
{
    const QByteArray temporary = WriteTemporary(path, bytes, durable);
    try {
        PutInPlace(temporary, path);
    } catch (const Error&) {
        ::unlink(temporary.constData());
        throw;
    }
}

// The journal holds one line per file, "<name>\t<temporary name>", names without folder.
void WriteFilesTogether(const QList<FileReplacement>& files)
{
    if (files.isEmpty())
        return;
    const QString folder = QFileInfo(files.first().path).absolutePath();
    QList<QByteArray> temporaries;
    QByteArray journal;
    try {
        for (const FileReplacement& file : files) {
            if (QFileInfo(file.path).absolutePath() != folder)
                throw Error(file.path, QStringLiteral("Cannot save files of two folders together"));
            const QByteArray temporary = WriteTemporary(file.path, file.bytes, true);
            temporaries.append(temporary);
            journal += QFile::encodeName(QFileInfo(file.path).fileName()) + '\t' +
                       temporary.mid(temporary.lastIndexOf('/') + 1) + '\n';
        }
        WriteFileAtomically(QDir(folder).filePath(QLatin1String(kJournalName)), journal);
    } catch (const Error&) {
        for (const QByteArray& temporary : temporaries)
            ::unlink(temporary.constData());
        throw;
    }
    // From here on a failure leaves the journal and the new files for the next start.
    for (qsizetype i = 0; i < files.size(); ++i)
        PutInPlace(temporaries.at(i), files.at(i).path);
    // The files are in place. Until the renames are known to be on disk the journal stays,
    // and a journal that stays is finished, with nothing left to rename, by the next start.
    if (SyncFolder(folder) == 0)
        QFile::remove(QDir(folder).filePath(QLatin1String(kJournalName)));
}

void FinishInterruptedWrites(const QString& folder)
{
    const QDir dir(folder);
    const QString journalPath = dir.filePath(QLatin1String(kJournalName));
    if (!QFileInfo::exists(journalPath))
        return;
    for (const QByteArray& line : ReadWholeFile(journalPath).split('\n')) {
        const QList<QByteArray> names = line.split('\t');
        // Only a temporary of the named file, in this folder, is ever put in place.
        if (names.size() != 2 || names[0].isEmpty() || names[0].startsWith('.') ||
            names[0].contains('/') ||
            names[1].size() != names[0].size() + int(sizeof kTemporarySuffix) - 1 + 6 ||
            !names[1].startsWith(names[0] + kTemporarySuffix) || names[1].contains('/'))
            continue;
        const QString temporary = dir.filePath(QFile::decodeName(names[1]));
        if (QFileInfo::exists(temporary))
            PutInPlace(QFile::encodeName(temporary), dir.filePath(QFile::decodeName(names[0])));
    }
    if (const int error = SyncFolder(folder))
        Fail(folder, QStringLiteral("Cannot save the file"), error);
    if (!QFile::remove(journalPath))
        throw Error(journalPath, QStringLiteral("Cannot delete the file"));
}

void RemoveStaleTemporaries(const QString& folder, const QDateTime& before)
{
    const QDir dir(folder);
    const QString pattern = QStringLiteral("*") + QLatin1String(kTemporarySuffix) + QStringLiteral("??????");
    for (const QFileInfo& file : dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden)) {
        // Litter, not results: one that cannot go now is tried again at the next start.
        if (file.lastModified() < before)
            QFile::remove(file.filePath());
    }
}

} // namespace orlavine
