#include "records/recordfile.h"

#include "records/error.h"
#include "records/fileio.h"
#include "records/recordtext.h"

#include <cstring>

namespace orlavine {

namespace {

/// Walks the lines of a file's bytes front to back without copying them.
class LineCursor {
public:
    explicit LineCursor(QByteArrayView bytes) : m_data(bytes.data()), m_end(m_data + bytes.size()) {}

    /// The next line without its CR LF; false at the end of the file.
    bool next(QByteArrayView& line)
    {
        if (m_data >= m_end)
            return false;
        const char* nl = static_cast<const char*>(std::memchr(m_data, '\n', m_end - m_data));
        const char* stop = nl ? nl : m_end;
        const char* lineEnd = (stop > m_data && stop[-1] == '\r') ? stop - 1 : stop;
        line = QByteArrayView(m_data, lineEnd - m_data);
        m_data = nl ? nl + 1 : m_end;
        return true;
    }

    /// Advances past the first line holding `key` and gives that line; false when none
    /// is left. Searches the remaining bytes as a whole rather than line by line: a key
    /// never spans a line end, so the first match lies in the first line holding the key.
    bool find(const QByteArray& key, QByteArrayView& line)
    {
        const qsizetype k = key.size();
        if (m_end - m_data < k + 2) { // too short for "#key#"; m_data is null for an empty file
            m_data = m_end;
            return false;
        }
        const char* last = m_end - k - 2; // last place a "#key#" can start
        for (const char* p = m_data; p <= last; ++p) {
            p = static_cast<const char*>(std::memchr(p, '#', last - p + 1));
            if (!p)
                break;
            if (p[k + 1] != '#' || qstrnicmp(p + 1, key.constData(), k) != 0)
                continue;
            const char* start = p;
            while (start > m_data && start[-1] != '\n')
                --start;
            m_data = start;
            return next(line);
        }
        m_data = m_end;
        return false;
    }

private:
    const char* m_data;
    const char* m_end;
};

QString KeyText(const QByteArray& key) { return QString::fromLatin1(key); }

[[noreturn]] void ThrowMissingKey(const QString& path, const QByteArray& key)
{
    throw Error(path, QStringLiteral("Record %1 is missing").arg(KeyText(key)));
}

/// Splits fields 1..n of `line` into out[0..n-1]; the first ">" stands at index
/// keyLength + 2. Returns false when the line has fewer than n fields.
bool ExtractFields(QByteArrayView line, qsizetype keyLength, int n, Fields& out, qsizetype at = 0)
{
    if (n <= 0)
        return true;
    qsizetype p = keyLength + 2;
    if (p >= line.size())
        return false;
    for (int i = 0; i < n - 1; ++i) {
        const qsizetype q = line.indexOf('>', p + 1);
        if (q < 0)
            return false;
        out[at + i] = line.sliced(p + 1, q - p - 1).toByteArray();
        p = q;
    }
    out[at + n - 1] = line.sliced(p + 1).toByteArray();
    return true;
}

Fields SplitFixed(QByteArrayView line, int n, int capacity, qsizetype keyLength)
{
    if (n < 0 || n > capacity)
        throw Error(QString(), QStringLiteral("Cannot split a record into %1 fields").arg(n));
    Fields out(capacity);
    if (!ExtractFields(line, keyLength, n, out))
        throw Error(QString(), QStringLiteral("A record has fewer than %1 fields").arg(n));
    return out;
}

Fields ReadFixed(const RecordBytes& record, const QByteArray& key, int n, int capacity)
{
    if (n < 0 || n > capacity) {
        throw Error(record.file,
                    QStringLiteral("Cannot read %1 fields of record %2").arg(n).arg(KeyText(key)));
    }
    Fields out(capacity);
    if (n == 0)
        return out;
    LineCursor cursor(record.bytes);
    QByteArrayView line;
    if (!cursor.find(key, line))
        ThrowMissingKey(record.file, key);
    if (!ExtractFields(line, key.size(), n, out)) {
        throw Error(record.file,
                    QStringLiteral("Record %1 has fewer than %2 fields").arg(KeyText(key)).arg(n));
    }
    return out;
}

QByteArray FindLine(const RecordBytes& record, const QByteArray& key)
{
    LineCursor cursor(record.bytes);
    QByteArrayView line;
    return cursor.find(key, line) ? line.toByteArray() : QByteArray();
}

QByteArray JoinLines(const Fields& lines, int count)
{
    QByteArray out;
    qsizetype size = 0;
    for (int i = 0; i < count; ++i)
        size += lines.at(i).size() + 2;
    out.reserve(size);
    for (int i = 0; i < count; ++i) {
        out += lines.at(i);
        out += "\r\n";
    }
    return out;
}

} // namespace

RecordBytes ReadRecordFile(const QString& path) { return {ReadWholeFile(path), path}; }

QByteArray ReadValue(const RecordBytes& record, const QByteArray& key)
{
    const QByteArray line = FindLine(record, key);
    return line.size() < 7 ? QByteArray() : line.mid(6);
}

QByteArray ReadLine(const RecordBytes& record, const QByteArray& key)
{
    return FindLine(record, key);
}

Fields ReadFields(const RecordBytes& record, const QByteArray& key, int n)
{
    return ReadFixed(record, key, n, 10);
}

Fields ReadFields50(const RecordBytes& record, const QByteArray& key, int n)
{
    return ReadFixed(record, key, n, 50);
}

Fields ReadAllFields(const RecordBytes& record, const QByteArray& key)
{
    LineCursor cursor(record.bytes);
    QByteArrayView line;
    if (!cursor.find(key, line))
        ThrowMissingKey(record.file, key);
    const int n = int(line.count('>'));
    Fields out(n);
    if (!ExtractFields(line, key.size(), n, out))
        throw Error(record.file, QStringLiteral("Record %1 is damaged").arg(KeyText(key)));
    return out;
}

Fields ReadPaperLines(const RecordBytes& record, int n)
{
    if (n < 1 || n > 50)
        throw Error(record.file, QStringLiteral("Cannot read %1 paper lines").arg(n));
    Fields out(50);
    LineCursor cursor(record.bytes);
    QByteArrayView line;
    for (int i = 1; i <= n; ++i) {
        if (!cursor.find(QByteArray::number(100 + i), line))
            break;
        out[i - 1] = line.toByteArray();
    }
    return out;
}

Fields SplitLine(const QByteArray& line, int n) { return SplitFixed(line, n, 80, 3); }

Fields SplitLine50(const QByteArray& line, int n) { return SplitFixed(line, n, 50, 3); }

QList<int> CountFieldsForKeys(const RecordBytes& record, int n, const Fields& keys)
{
    LineCursor cursor(record.bytes);
    QByteArrayView line;
    QList<int> counts(n);
    for (int i = 0; i < n; ++i) {
        if (!cursor.find(keys.at(i), line))
            ThrowMissingKey(record.file, keys.at(i));
        counts[i] = int(line.count('>'));
    }
    return counts;
}

Fields ReadFieldsForKeys(const RecordBytes& record, int n, const Fields& keys)
{
    LineCursor cursor(record.bytes);
    QByteArrayView line;
    Fields out;
    out.reserve(n * 2);
    for (int i = 0; i < n; ++i) {
        if (!cursor.find(keys.at(i), line))
            ThrowMissingKey(record.file, keys.at(i));
        const int count = int(line.count('>'));
        const qsizetype at = out.size();
        out.resize(at + count);
        if (!ExtractFields(line, keys.at(i).size(), count, out, at)) {
            throw Error(record.file,
                        QStringLiteral("Record %1 is damaged").arg(KeyText(keys.at(i))));
        }
    }
    return out;
}

QByteArray FormatRecordLine(const QByteArray& key, const Fields& values, int n)
{
    if (n < 0 || n > values.size())
        throw Error(QString(), QStringLiteral("Record %1 has fewer than %2 values").arg(KeyText(key)).arg(n));
    QByteArray line = '#' + key + "#>";
    for (int i = 0; i < n; ++i) {
        if (!IsStorableField(values.at(i))) {
            throw Error(QString(), QStringLiteral("Record %1 cannot hold the characters >, CR or LF")
                                       .arg(KeyText(key)));
        }
        if (i > 0)
            line += '>';
        line += values.at(i);
    }
    return line;
}

RecordFileChange ChangeRecordLine(const Fields& lines, const Fields& values, int index,
                                  const QByteArray& key, int lineCount, int n, const QString& path)
{
    if (index < 1 || index > lines.size() || lineCount < 0 || lineCount > lines.size())
        throw Error(path, QStringLiteral("Cannot save record %1: no such line").arg(KeyText(key)));
    RecordFileChange change;
    change.lines = lines;
    try {
        change.lines[index - 1] = FormatRecordLine(key, values, n);
    } catch (const Error& e) {
        throw Error(path, e.reason());
    }
    change.bytes = JoinLines(change.lines, lineCount);
    return change;
}

void SaveRecordLine(Fields& lines, const Fields& values, int index, const QByteArray& key,
                    int lineCount, int n, const QString& path)
{
    RecordFileChange change = ChangeRecordLine(lines, values, index, key, lineCount, n, path);
    WriteFileAtomically(path, change.bytes);
    lines = std::move(change.lines);
}

QByteArray FormatMarksFile(const std::array<Fields, 6>& values, const std::array<QByteArray, 6>& keys,
                           int n, const QString& path)
{
    Fields lines(6);
    try {
        for (int k = 0; k < 6; ++k)
            lines[k] = FormatRecordLine(keys[k], values[k], n);
    } catch (const Error& e) {
        throw Error(path, e.reason());
    }
    return JoinLines(lines, 6);
}

} // namespace orlavine
