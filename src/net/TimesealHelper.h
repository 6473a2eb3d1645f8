#pragma once

#include "net/ServerProtocol.h"

#include <QString>
#include <QStringList>

// The server operator's Timeseal helper: a program started as a local relay that
// listens on 127.0.0.1:5005 and carries the session to the server. It is looked up in
// the program folder and then on the PATH; the client starts it and leaves it alone.
namespace TimesealHelper {

inline const QString RelayAddress = QStringLiteral("127.0.0.1");
inline const QString RelayPort = QStringLiteral("5005");

// "timeseal" for FICS and unknown servers, "timestamp" for ICC (".exe" names on Windows).
QString programName(ServerProtocol protocol);

// The full path of the helper, or an empty text when neither folder has it. Servers of
// unknown family look in the current folder instead of the program folder.
QString find(ServerProtocol protocol, const QString& programFolder);

// The path named in the message when the helper is missing.
QString expectedPath(ServerProtocol protocol, const QString& programFolder);
QString missingMessage(ServerProtocol protocol, const QString& programFolder);

QStringList arguments(const QString& address, const QString& port);

// Starts the helper detached; false when it could not be started.
bool start(const QString& program, const QString& address, const QString& port);

} // namespace TimesealHelper
