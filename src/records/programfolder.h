#pragma once

#include <QString>

namespace orlavine {

/// The folder the program keeps its files in: the graphics, the scratch and page files
/// and the pupil's learner records. Chosen once at start; tests point it at a
/// temporary folder.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

/// The folder to use: `requested` (the --folder option) when given, else the
/// executable's folder when it is writable (an empty `executableFolder` stands for an
/// installed program, whose folder is never used), else the per-user data folder. The chosen
/// folder is created when missing. Throws Error when it cannot be created.
QString ChooseProgramFolder(const QString& requested, const QString& executableFolder);

/// A file in the program folder: ProgramFolder() + "/" + name.
QString ProgramFile(const QString& name);

/// A picture in the program folder's Graphics folder.
QString GraphicsFile(const QString& name);

} // namespace orlavine
