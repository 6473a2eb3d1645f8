#pragma once

#include <QString>

// Where the Help menu leads: the web pages by the items' tags, and the user
// guide that ships with the program.
namespace HelpAddresses {

inline const QString FicsServer = QStringLiteral("https://www.freechess.org/Help/index.html");
inline const QString IccServer = QStringLiteral("https://www.chessclub.com/");
inline const QString ProjectHome = QStringLiteral("https://www.freechess.org/");
// Offered by the profile and connection dialogs to players without an account.
inline const QString FicsRegistration = QStringLiteral("https://www.freechess.org/Register/index.html");

// By the menu item's tag: 0 FICS, 1 ICC, 2 the project's home page.
QString webPage(int tag);

// The guide's index beside the program (installed or in the source tree of a
// build); empty when it is not found.
QString userGuide(const QString& executableDirectory);

} // namespace HelpAddresses
