#pragma once

// Writing imported questions as a package source folder (docs/authoring.md), and the
// rules of that text the importers share.

#include "import.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace orlavine::pack {

/// A file of a source folder: its path relative to the folder, and its bytes (UTF-8).
struct SourceFile {
    QString path;
    QByteArray bytes;
};

/// The package name a quiz file gives: its base name, words spaced and the first capital
/// ("year-7_forces.gift" gives "Year 7 forces"); characters the record files cannot hold
/// are dropped, and "Quiz" stands for a name left empty.
QString QuizTitle(const QString& fileName);

/// The lines of a quiz file's UTF-8 bytes, without a byte-order mark or CR.
QStringList QuizLines(const QByteArray& bytes);

/// Plain text as Markdown that shows it as it is: what Markdown would read as emphasis,
/// code, links, raw HTML, headings, lists or quotes is escaped; lines lose their indent.
QString MarkdownFromPlain(const QString& text);

/// Why `key` cannot be an answer key of a source ("the answer ... has ..."), or an empty
/// string when it can.
QString KeyProblem(const QString& key);

/// The text of a paper file holding `questions`.
QByteArray PaperSource(const QList<ImportedQuestion>& questions);

/// The files of the source folder for `quiz`: package.txt, then each topic's questions
/// dealt in order into papers `<topic>/1.txt` to `5.txt`. A topic with fewer than five
/// questions gets fewer papers, and a line in `warnings` says so.
QList<SourceFile> SourceFiles(const ImportedQuiz& quiz, QStringList& warnings);

/// Writes `files` into `folder`, which must not exist or be empty: a folder a teacher may
/// have filled is never written into. Throws orlavine::Error when it is not empty or a
/// file cannot be written.
void WriteSourceFolder(const QString& folder, const QList<SourceFile>& files);

} // namespace orlavine::pack
