#pragma once

#include <QStringList>

// The command input's preset entries, kept one per line in "Commands.txt" in
// the current folder.
namespace CommandPresets {

inline const QString FileName = QStringLiteral("Commands.txt");

QStringList builtIn();

enum class ReadResult { Read, Missing, Failed };

// Missing (every first run) is no failure: the caller keeps the built-in entries.
ReadResult read(const QString& path, QStringList& entries);

// False when the file could not be written.
bool write(const QString& path, const QStringList& entries);

} // namespace CommandPresets
