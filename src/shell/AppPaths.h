#pragma once

#include <QString>

// The program directory: where the settings, "Tolvaris.ini" and the profile
// files live, and the working folder of the run (trace files, "Commands.txt").
namespace AppPaths {

inline const QString HomeVariable = QStringLiteral("TOLVARIS_HOME");

// override (from --settings-dir or TOLVARIS_HOME) wins; otherwise the
// executable's folder when it is writable (portable use), otherwise
// ~/.config/tolvaris/. The folder is created when missing. The answer ends in
// "/"; empty when no folder could be made.
QString programDirectory(const QString& override, const QString& executableDirectory);

} // namespace AppPaths
