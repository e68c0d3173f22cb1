#pragma once

#include <QStringList>

namespace orlavine::pack {

/// What a build wrote, or why it wrote nothing.
struct BuildResult {
    QStringList errors; // "file:line: message"; nothing was written when there are any
    int papers = 0;
    int questions = 0;
};

/// Builds the package source in the folder `source` into the package folder `folder`,
/// with the skin pictures of the source's "skin" folder where it has them and the
/// program's own otherwise. Throws orlavine::Error when a file cannot be written.
BuildResult BuildPackage(const QString& source, const QString& folder);

} // namespace orlavine::pack
