#include "records/learner.h"

#include "records/error.h"
#include "records/fileio.h"
#include "records/programfolder.h"
#include "records/recordtext.h"
#include "records/resources.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace orlavine {

namespace {

const char* const kBaseNames[] = {"marks", "first", "second", "fresults", "sresults", "trend"};

QString MakeBackupFolder(const QDateTime& now)
{
    const QString base = ProgramFile(QStringLiteral("Backup/") + now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = base + QStringLiteral("_%1").arg(n);
    if (!QDir().mkpath(folder))
        throw Error(folder, QStringLiteral("Cannot make a backup of your results"));
    return folder;
}

// Copied through the checked writer: a backup that silently came out short would be
// worse than none.
void CopyInto(const QString& folder, const QString& file)
{
    try {
        WriteFileAtomically(folder + QLatin1Char('/') + QFileInfo(file).fileName(), ReadWholeFile(file));
    } catch (const Error& e) {
        throw Error(e.file(), QStringLiteral("Cannot make a backup of your results: ") + e.reason());
    }
}

// Read through the scratch file, as every package table is.
Fields TemplateMarksLine(int module, const QByteArray& key)
{
    Fields fields;
    const QString scratch = ProgramFile(QStringLiteral("temptext.txt"));
    const int id = LearnerTemplateResource(LearnerFile::Marks, module);
    const int result = ReadThroughScratch(id, scratch, [&](const RecordBytes& blank) {
        if (!ReadLine(blank, key).isEmpty())
            fields = ReadAllFields(blank, key);
    });
    if (result != ResourceWritten)
        throw Error(scratch, ResourceWriteError(result, id));
    return fields;
}

MarksLists ReadMarksOnce(const RecordBytes& record, int paperCount)
{
    MarksLists marks;
    for (int k = 0; k < kLearnerFileCount; ++k) {
        marks[k] = ReadFields50(record, kMarksKeys[k], paperCount);
        // A line with more fields than papers (the 50-field template of a smaller
        // module) leaves the rest of the line in the last field; it is not a value.
        if (paperCount > 0)
            marks[k][paperCount - 1] = marks[k][paperCount - 1].split('>').first();
    }
    return marks;
}

// A value the program could have written: scores, times, dates and flags are plain
// printable ASCII. A stray byte (NUL, 0xFF, a control) marks a damaged value.
bool IsSoundValue(const QByteArray& value)
{
    return std::all_of(value.begin(), value.end(), [](char ch) { return ch >= 0x20 && ch < 0x7F; }) &&
           IsStorableField(value);
}

bool ReadsWhole(const RecordBytes& marksFile, int paperCount)
{
    try {
        const MarksLists marks = ReadMarksOnce(marksFile, paperCount);
        return std::all_of(marks.begin(), marks.end(), [paperCount](const Fields& list) {
            return std::all_of(list.begin(), list.begin() + paperCount, IsSoundValue);
        });
    } catch (const Error&) {
        return false;
    }
}

// Completes the damaged marks file `record` from the module's template, keeping every
// sound value it still holds, after backing it up. Returns the backup folder.
QString RepairMarksFile(int module, const QByteArray& code, int paperCount,
                        const RecordBytes& record, const QDateTime& now)
{
    MarksLists repaired;
    for (int k = 0; k < kLearnerFileCount; ++k) {
        const QByteArray& key = kMarksKeys[k];
        const Fields kept = ReadLine(record, key).isEmpty() ? Fields() : ReadAllFields(record, key);
        const Fields blank = TemplateMarksLine(module, key);
        Fields& list = repaired[k];
        list = Fields(50);
        for (int i = 0; i < paperCount; ++i) {
            if (i < kept.size() && IsSoundValue(kept.at(i)))
                list[i] = kept.at(i);
            else if (i < blank.size())
                list[i] = blank.at(i);
            else if (k == FST || k == SST)
                list[i] = "0";
        }
    }
    const QString backup = MakeBackupFolder(now);
    CopyInto(backup, record.file);
    WriteMarksLists(repaired, module, code, paperCount);
    return backup;
}

} // namespace

QString LearnerFilePath(LearnerFile file, int module, const QByteArray& code)
{
    return ProgramFile(QString::fromLatin1(kBaseNames[int(file) - 1]) + QString::number(module) +
                       QString::fromLatin1(code) + QStringLiteral(".txt"));
}

QString BackupLearnerFiles(const QByteArray& code, const QDateTime& now)
{
    QStringList existing;
    for (int m = 1; m <= 3; ++m) {
        for (int k = 1; k <= kLearnerFileCount; ++k) {
            const QString path = LearnerFilePath(LearnerFile(k), m, code);
            if (QFileInfo::exists(path))
                existing.append(path);
        }
    }
    if (existing.isEmpty())
        return QString();
    const QString folder = MakeBackupFolder(now);
    for (const QString& path : existing)
        CopyInto(folder, path);
    return folder;
}

QString ResetLearnerRecords(const PackageSettings& settings, const QDateTime& now)
{
    const QString backup = BackupLearnerFiles(settings.code, now);
    QString failed;
    for (int m = 1; m <= 3; ++m) {
        if (!settings.module(m).exists())
            continue;
        for (int k = 1; k <= kLearnerFileCount; ++k) {
            const LearnerFile file = LearnerFile(k);
            const QString path = LearnerFilePath(file, m, settings.code);
            const int result =
                WriteResourceFile(LearnerTemplateResource(file, m), QStringLiteral("Custom"), path);
            if (result != ResourceWritten && failed.isEmpty())
                failed = path;
        }
    }
    // The others are still written; a file not rewritten keeps its results whole.
    if (!failed.isEmpty())
        throw Error(failed, QStringLiteral("Cannot erase all your results"));
    return backup;
}

StartUpCheck EnsureLearnerRecords(const PackageSettings& settings, const QDateTime& now)
{
    FinishInterruptedWrites(ProgramFolder());
    RemoveStaleTemporaries(ProgramFolder(), now.addSecs(-600));
    StartUpCheck check;
    for (int m = 1; m <= 3; ++m) {
        if (!settings.module(m).exists())
            continue;
        for (int k = 1; k <= kLearnerFileCount; ++k) {
            if (!QFileInfo::exists(LearnerFilePath(LearnerFile(k), m, settings.code))) {
                check.reset = true;
                check.backup = ResetLearnerRecords(settings, now);
                return check;
            }
        }
    }
    for (int m = 1; m <= 3; ++m) {
        const ModuleSettings& module = settings.module(m);
        if (!module.exists())
            continue;
        const RecordBytes marksFile =
            ReadRecordFile(LearnerFilePath(LearnerFile::Marks, m, settings.code));
        if (!ReadsWhole(marksFile, module.paperCount)) {
            check.repaired = true;
            check.backup = RepairMarksFile(m, settings.code, module.paperCount, marksFile, now);
        }
    }
    return check;
}

MarksLists ReadMarksLists(int module, const QByteArray& code, int paperCount)
{
    const QString path = LearnerFilePath(LearnerFile::Marks, module, code);
    if (!QFileInfo::exists(path))
        throw Error(path, QStringLiteral("Your results file is missing"));
    return ReadMarksOnce(ReadRecordFile(path), paperCount);
}

QByteArray FormatMarksLists(const MarksLists& marks, int module, const QByteArray& code, int paperCount)
{
    return FormatMarksFile(marks, kMarksKeys, paperCount, LearnerFilePath(LearnerFile::Marks, module, code));
}

void WriteMarksLists(const MarksLists& marks, int module, const QByteArray& code, int paperCount)
{
    WriteFileAtomically(LearnerFilePath(LearnerFile::Marks, module, code),
                        FormatMarksLists(marks, module, code, paperCount));
}

QByteArray TrendWithScore(int module, const QByteArray& code, const QByteArray& percent)
{
    const QString path = LearnerFilePath(LearnerFile::Trend, module, code);
    if (!IsStorableField(percent))
        throw Error(path, QStringLiteral("A score cannot hold the characters >, CR or LF"));
    QByteArray line = ReadLine(path, "TRD");
    if (line.isEmpty())
        line = "#TRD#";
    return line + '>' + percent + "\r\n";
}

} // namespace orlavine
