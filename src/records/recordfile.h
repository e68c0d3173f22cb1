#pragma once

// The record file: the one text format of every table and learner file.
//
// A record line is "#", a key, "#", then ">" and the field's text for each field; lines
// end in CR LF; text is 8-bit Windows-1252 kept as bytes. A line holds key K when
// "#K#" occurs anywhere in it, compared without regard to letter case. The first ">" of
// a line stands at a fixed place after the key (after 5 characters for a three-character
// key, 7 for a five-character one).
//
// Lists are 0-based here: entry k of a list is element k - 1. Fixed-capacity lists
// (10, 50 or 80 entries) always have their full size, unused entries empty.
//
// The readers parse a file's bytes in memory (RecordBytes); each has a thin twin taking
// a path that reads the whole file first. Nothing is cached: every call scans from the
// top. Failures throw orlavine::Error naming the file and what failed; no partial result
// is returned.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace orlavine {

using Fields = QList<QByteArray>;

/// A record file's bytes and the file they came from, which errors name (empty for
/// bytes of no file).
struct RecordBytes {
    QByteArray bytes;
    QString file;
};

/// The bytes of the file at `path`. Throws when it is missing or cannot be read.
RecordBytes ReadRecordFile(const QString& path);

/// Text of the key's line after its first 6 characters; empty when no line holds the key
/// or the line is shorter than 7 characters.
QByteArray ReadValue(const RecordBytes& record, const QByteArray& key);

/// The whole line holding the key, or empty.
QByteArray ReadLine(const RecordBytes& record, const QByteArray& key);

/// Fields 1..n (0 <= n <= 10) of the key's line in a list of 10. Throws when the key is
/// absent or the line has fewer than n fields (n = 0 never throws).
Fields ReadFields(const RecordBytes& record, const QByteArray& key, int n);

/// As ReadFields, n from 0 to 50, a list of 50.
Fields ReadFields50(const RecordBytes& record, const QByteArray& key, int n);

/// All fields of the key's line: as many as the line has ">". Throws when the key is absent.
Fields ReadAllFields(const RecordBytes& record, const QByteArray& key);

/// Entry i (i = 1..n, n from 1 to 50) is the whole line of key 100 + i, found in one
/// forward pass; a key not found gives an empty entry, and once the end of the file is
/// reached every later entry is empty. A list of 50.
Fields ReadPaperLines(const RecordBytes& record, int n);

/// Fields 1..n (0 <= n <= 80) of a line in memory, in a list of 80. The last field holds
/// the rest of the line, ">" included. Throws when the line has fewer than n fields.
Fields SplitLine(const QByteArray& line, int n);

/// As SplitLine, n from 0 to 50, a list of 50.
Fields SplitLine50(const QByteArray& line, int n);

/// For each of keys[0..n-1], in one forward pass, the number of ">" on its line. Throws
/// when a key is not found after the previous key's line.
QList<int> CountFieldsForKeys(const RecordBytes& record, int n, const Fields& keys);

/// All fields of the lines of keys[0..n-1], in order, as one flat list; one forward pass.
/// Throws when a key is not found after the previous key's line.
Fields ReadFieldsForKeys(const RecordBytes& record, int n, const Fields& keys);

// The readers on the file at `path`; a missing or unreadable file throws.
inline QByteArray ReadValue(const QString& path, const QByteArray& key)
{
    return ReadValue(ReadRecordFile(path), key);
}
inline QByteArray ReadLine(const QString& path, const QByteArray& key)
{
    return ReadLine(ReadRecordFile(path), key);
}
inline Fields ReadFields(const QString& path, const QByteArray& key, int n)
{
    return ReadFields(ReadRecordFile(path), key, n);
}
inline Fields ReadFields50(const QString& path, const QByteArray& key, int n)
{
    return ReadFields50(ReadRecordFile(path), key, n);
}
inline Fields ReadAllFields(const QString& path, const QByteArray& key)
{
    return ReadAllFields(ReadRecordFile(path), key);
}
inline Fields ReadPaperLines(const QString& path, int n)
{
    return ReadPaperLines(ReadRecordFile(path), n);
}
inline QList<int> CountFieldsForKeys(const QString& path, int n, const Fields& keys)
{
    return CountFieldsForKeys(ReadRecordFile(path), n, keys);
}
inline Fields ReadFieldsForKeys(const QString& path, int n, const Fields& keys)
{
    return ReadFieldsForKeys(ReadRecordFile(path), n, keys);
}

/// What SaveRecordLine writes: the lines with lines[index - 1] replaced by
/// "#key#>v1>v2..>vn", and the file's bytes, entries 1..lineCount each followed by CR LF.
struct RecordFileChange {
    Fields lines;
    QByteArray bytes;
};

/// The change SaveRecordLine makes, computed without writing. Throws (naming `path`) when
/// a value holds ">", CR or LF, or `index` or `lineCount` is out of range.
RecordFileChange ChangeRecordLine(const Fields& lines, const Fields& values, int index,
                                  const QByteArray& key, int lineCount, int n, const QString& path);

/// Makes the ChangeRecordLine change in the file and in `lines`. Throws (and changes
/// neither) when the change cannot be made or the file written; the old file then stays whole.
void SaveRecordLine(Fields& lines, const Fields& values, int index, const QByteArray& key,
                    int lineCount, int n, const QString& path);

/// The bytes of a file of exactly six lines "#keys[k]#>values[k][0]>...", n fields each,
/// in argument order. Throws as ChangeRecordLine.
QByteArray FormatMarksFile(const std::array<Fields, 6>& values, const std::array<QByteArray, 6>& keys,
                           int n, const QString& path);

/// The line "#key#>v1>...>vn" (just "#key#>" for n = 0). Throws when a value cannot be
/// stored (see IsStorableField) or values holds fewer than n entries.
QByteArray FormatRecordLine(const QByteArray& key, const Fields& values, int n);

} // namespace orlavine
