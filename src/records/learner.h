#pragma once

#include "records/package.h"

#include <QDateTime>

namespace orlavine {

/// The six learner files of a module, in template order.
enum class LearnerFile { Marks = 1, First, Second, FResults, SResults, Trend };
constexpr int kLearnerFileCount = 6;

/// Keys of the marks file, in file order.
inline const std::array<QByteArray, 6> kMarksKeys = {"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
enum MarksKey { FSE, SSE, LTM, CDD, FST, SST };

/// The result marks of a sub-answer: right (ü) and wrong (û) as stored.
inline const QByteArray kRightMark = QByteArray(1, '\xFC');
inline const QByteArray kWrongMark = QByteArray(1, '\xFB');

/// Program folder + base name + module digit + package code + ".txt"
/// ("marks2AB.txt" for the marks of module 2 with code AB).
QString LearnerFilePath(LearnerFile file, int module, const QByteArray& code);

/// The template resource of a learner file: 30100 + 10m + k.
constexpr int LearnerTemplateResource(LearnerFile file, int module)
{
    return 30100 + 10 * module + int(file);
}

/// Copies every existing learner file of the package's code (all three modules) into a
/// new folder "Backup/<date and time>" in the program folder. Returns that folder, or
/// an empty text when there was nothing to copy. Throws Error when a copy fails, so
/// callers never erase what could not be saved.
QString BackupLearnerFiles(const QByteArray& code, const QDateTime& now);

/// Backs up the learner files, then rewrites the six files of every configured module
/// from their templates (marks, first, second, fresults, sresults, trend). Throws Error
/// (and erases nothing) when the backup fails, and, after writing every template it
/// can, when one could not be written (that file keeps its results). Returns the
/// backup folder.
QString ResetLearnerRecords(const PackageSettings& settings, const QDateTime& now);

/// What the start-up check did to the pupil's files.
struct StartUpCheck {
    /// Every module's files were started afresh (one was missing).
    bool reset = false;
    /// A damaged marks file was repaired.
    bool repaired = false;
    /// Where the earlier files were copied; empty when nothing was copied.
    QString backup;
};

/// The start-up check: when any of the six files of any configured module is missing,
/// resets every configured module (after the backup). Otherwise a marks file that does
/// not read back whole (a key missing, a line too short, a value holding a stray byte)
/// is backed up and completed from the module's template, keeping every sound value it
/// holds. It first completes a marking's save that a crash interrupted, and removes
/// temporary files that interrupted writes left, ten minutes old or more. Throws Error
/// (and changes nothing more) when a backup, a reset or a repair fails.
StartUpCheck EnsureLearnerRecords(const PackageSettings& settings, const QDateTime& now);

/// The six marks lists of a module, 50 entries each, TP of them read from the file.
using MarksLists = std::array<Fields, 6>;

/// Reads FSE, SSE, LTM, CDD, FST and SST for `paperCount` papers; writes nothing. Throws
/// Error when the file is missing or damaged (a key missing, a line too short): the next
/// start repairs it.
MarksLists ReadMarksLists(int module, const QByteArray& code, int paperCount);

/// The marks file's bytes holding the six marks lists for `paperCount` papers.
QByteArray FormatMarksLists(const MarksLists& marks, int module, const QByteArray& code, int paperCount);

/// Writes the six marks lists for `paperCount` papers.
void WriteMarksLists(const MarksLists& marks, int module, const QByteArray& code, int paperCount);

/// The trend file's bytes with ">" + percent appended to its trend line: that line alone,
/// followed by CR LF. Throws when the file cannot be read or the percent holds ">", CR or LF.
QByteArray TrendWithScore(int module, const QByteArray& code, const QByteArray& percent);

} // namespace orlavine
