#pragma once

#include "records/recordfile.h"

#include <QList>

#include <array>
#include <functional>

namespace orlavine {

// Resource ids of the content package; m is the module number 1, 2 or 3.
constexpr int kSettingsResource = 30000;
constexpr int PaperTableResource(int m) { return 30002 + 10 * m; }
constexpr int AnswerKeyResource(int m) { return 30003 + 10 * m; }
constexpr int AnswerTypeResource(int m) { return 30004 + 10 * m; }
constexpr int MarksTableResource(int m) { return 30005 + 10 * m; }
/// A question's worked-solution page, which a package may leave out: its question id
/// (16001 to 19999) plus 10000.
constexpr int SolutionResource(int questionId) { return questionId + 10000; }

/// One module of the package as the settings describe it.
struct ModuleSettings {
    QByteArray label;        // tab caption; empty when the module does not exist
    int topicCount = 0;      // TTm, 1..10
    int paperCount = 0;      // TPm, at most 50
    Fields topicNames = Fields(10); // TNm, positions beyond topicCount empty

    bool exists() const { return !label.isEmpty(); }
};

/// The settings table of the package (resource 30000).
struct PackageSettings {
    QByteArray name; // NME
    QByteArray code; // COD
    std::array<ModuleSettings, 3> modules;

    const ModuleSettings& module(int m) const { return modules.at(m - 1); }
    /// The first module that exists (1..3), or 0 when none does.
    int firstModule() const;
};

/// Writes the settings resource to "temptext30000.txt" in the program folder, reads its
/// bytes and deletes the file. When the resource cannot be written no setting is read and
/// no module exists. Throws Error when a configured module's counts or names are damaged,
/// or the scratch file cannot be deleted.
PackageSettings ReadSettings();

/// Writes resource `id` to the scratch file `scratch`, as the program does before reading
/// a package table, runs `read` on the bytes written (named after the scratch file) when
/// that worked, and deletes the file afterwards, also when `read` throws. Returns the
/// WriteResourceFile result. Throws what `read` throws, or Error when the file cannot be
/// deleted after a read that went well.
int ReadThroughScratch(int id, const QString& scratch,
                       const std::function<void(const RecordBytes&)>& read);

} // namespace orlavine
