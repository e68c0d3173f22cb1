#pragma once

#include "packagewriter.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

#include <optional>

namespace orlavine::pack {

// A package source as a teacher writes it: a settings file, package.txt, naming the
// modules, topics and paper files, and the paper files of questions in Markdown. Every
// problem is reported as "file:line: message", the file as the settings name it.

/// The files of a source, by path relative to its folder with "/" between names.
class SourceTree {
public:
    virtual ~SourceTree() = default;
    /// The bytes of the file, or nothing when there is no such file.
    virtual std::optional<QByteArray> read(const QString& path) const = 0;
    /// The names of the files in the folder ("" for the source's own), in name order.
    virtual QStringList filesIn(const QString& folder) const = 0;
};

/// The files of a source folder on disk.
class FolderFiles : public SourceTree {
public:
    explicit FolderFiles(const QString& folder) : m_folder(folder) {}
    std::optional<QByteArray> read(const QString& path) const override;
    QStringList filesIn(const QString& folder) const override;

private:
    QString m_folder;
};

/// Files held in memory, for tests and fuzzing.
class MemoryFiles : public SourceTree {
public:
    QMap<QString, QByteArray> files;
    std::optional<QByteArray> read(const QString& path) const override;
    QStringList filesIn(const QString& folder) const override;
};

/// A line of the settings that names something, with where it stands.
struct SourceLine {
    QString text;
    int line = 0;
};

struct SourceTopic {
    SourceLine name;
    QList<SourceLine> papers; // file names or patterns, as written
};

struct SourceModule {
    SourceLine label;
    QList<SourceTopic> topics;
};

/// What package.txt says.
struct SourceSettings {
    SourceLine name, code;
    QList<SourceModule> modules;
};

/// The name of the settings file in a source folder.
extern const char* const kSettingsFile;

/// Reads package.txt; adds its problems to `errors`.
SourceSettings ReadSettings(const QByteArray& bytes, QStringList& errors);

/// A question of a paper file, and the line of its "Question" line.
struct SourceQuestion {
    Question question; // its id 0 unless the file gives one
    int line = 0;
};

/// Reads the paper file `file` (its path in the source): its questions with their text,
/// options and worked solutions rendered to HTML and their pictures and saved pages read
/// from `files`; adds its problems to `errors`.
QList<SourceQuestion> ReadPaper(const QByteArray& bytes, const QString& file,
                                const SourceTree& files, QStringList& errors);

/// Reads the whole source: settings, every paper, question ids given and numbered.
/// The content is whole only when `errors` stays empty; its skin folders are not set.
PackageContent ReadSource(const SourceTree& files, QStringList& errors);

/// The MIME type of a picture by its content: PNG, JPEG, GIF or SVG; empty for any other.
QByteArray PictureType(const QByteArray& bytes);

} // namespace orlavine::pack
