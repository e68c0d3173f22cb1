#pragma once

#include <QByteArray>
#include <QString>

namespace orlavine {

/// The folder that keeps the pupil's files for the package of code `code` when the program
/// runs on a package folder: "packages/<code>" in the per-user data folder.
QString PackageProgramFolder(const QByteArray& code);

/// Makes the package folder `folder` (--package) the program's content package instead of
/// the one built in, once it passes the checks the program cannot run without, and returns
/// the folder for the pupil's files: `requested` (--folder) when given, else
/// PackageProgramFolder of its code, so that a preview never touches a pupil's results.
/// When it does not pass, shows its first problems in the pop-up box and returns an
/// empty string.
QString UsePackageFolder(const QString& folder, const QString& requested);

} // namespace orlavine
