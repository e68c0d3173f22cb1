#pragma once

#include "papers.h"

#include <QString>
#include <QStringList>

namespace orlavine::pack {

/// The ids a package's questions may have, both included.
constexpr int kFirstQuestionId = 16001;
constexpr int kLastQuestionId = 19448;

/// Everything a package folder holds, ready to write.
struct PackageContent {
    QString name; // NME
    QString code; // COD
    QList<ModulePapers> modules;
    /// Folders searched in order for each skin picture, by its file name.
    QStringList skinFolders;
};

/// Writes `content` into `folder` (created when missing): settings, tables, templates,
/// question and worked-solution pages and the skin pictures. A question whose id is 0 takes
/// the id after the one before it (16001 for the first). Files of `folder` whose names begin
/// with a digit (resources of an earlier run) and that this run does not write are removed;
/// nothing else there is touched. The same content gives the same bytes. Throws
/// orlavine::Error when a file cannot be read or written, std::logic_error when a text
/// meant for a record file has no Windows-1252 form.
void WritePackage(const QString& folder, const PackageContent& content);

} // namespace orlavine::pack
