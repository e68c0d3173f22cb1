#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class QIODevice;

namespace orlavine {

/// Reads a whole file. Throws Error when it does not exist or cannot be read.
QByteArray ReadWholeFile(const QString& path);

/// Reads an open device to its end. Throws Error naming `file` when a read fails.
QByteArray ReadDevice(QIODevice& device, const QString& file);

/// Replaces (or creates) the file at `path` so that it holds exactly `bytes`. The bytes
/// go to a temporary file in the same folder, are flushed to disk and renamed over the
/// old file, so a crash, a full disk or a failed rename leaves the old file whole.
/// With `durable` the data reach the disk before the rename (learner records); files the
/// program can write again from the package skip that wait. Throws Error naming the file
/// when any step fails.
void WriteFileAtomically(const QString& path, const QByteArray& bytes, bool durable = true);

/// A file's new content, for WriteFilesTogether.
struct FileReplacement {
    QString path;
    QByteArray bytes;
};

/// Replaces several files of one folder as one change (a marking's results, marks and
/// trend). Each new file is written and flushed beside its old one; a journal naming them
/// is written; then each is renamed over its old one and the journal removed. A crash
/// before the journal leaves every old file; after it, FinishInterruptedWrites at the next
/// start completes the change. Throws Error naming the file when a step fails; until the
/// journal is written every old file then stays as it was.
void WriteFilesTogether(const QList<FileReplacement>& files);

/// Completes the change WriteFilesTogether began in `folder` when a crash interrupted its
/// renames. Throws Error when a file cannot be put in place or the renames cannot be
/// flushed to disk (the journal then stays), or the journal cannot be deleted.
void FinishInterruptedWrites(const QString& folder);

/// Removes the temporary files that writes cut short (a crash, a kill) left in `folder`,
/// those last changed before `before`; a write in progress is never that old. One that
/// cannot be removed stays for the next start.
void RemoveStaleTemporaries(const QString& folder, const QDateTime& before);

} // namespace orlavine
