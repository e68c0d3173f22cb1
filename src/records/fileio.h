#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace orlavine {

/// Reads a whole file. Throws Error when it does not exist or cannot be read.
QByteArray ReadWholeFile(const QString& path);

/// Replaces (or creates) the file at `path` so that it holds exactly `bytes`. The bytes
/// go to a temporary file in the same folder, are flushed to disk and renamed over the
/// old file, so a crash, a full disk or a failed rename leaves the old file whole.
/// With `durable` the data reach the disk before the rename (learner records); files the
/// program can write again from the package skip that wait. Throws Error naming the file
/// when any step fails.
void WriteFileAtomically(const QString& path, const QByteArray& bytes, bool durable = true);

/// Removes the temporary files that writes cut short (a crash, a kill) left in `folder`,
/// those last changed before `before`; a write in progress is never that old.
void RemoveStaleTemporaries(const QString& folder, const QDateTime& before);

} // namespace orlavine
