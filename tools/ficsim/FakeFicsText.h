#pragma once

#include <QByteArray>
#include <QList>

// The fixed texts and the byte-level framing of the fake FICS server.
//
// Line end LF CR; the prompt "fics% " without a line end; output lines wrapped at
// 80 columns with the continuation "\n\r\   "; telnet IAC WILL/WONT ECHO around the
// password; block mode frames a reply as 21 id 22 code 22 text 23.
namespace FakeFicsText {

inline const QByteArray LineEnd = QByteArrayLiteral("\n\r");
inline const QByteArray Prompt = QByteArrayLiteral("fics% ");
inline const QByteArray LoginPrompt = QByteArrayLiteral("login: ");
inline const QByteArray PasswordPrompt = QByteArrayLiteral("password: ");
inline const QByteArray WillEcho = QByteArrayLiteral("\xff\xfb\x01");
inline const QByteArray WontEcho = QByteArrayLiteral("\xff\xfc\x01");
inline const QByteArray InvalidPassword = QByteArrayLiteral("**** Invalid password! ****");
inline const QByteArray Farewell =
    QByteArrayLiteral("Thank you for using a Free (GNU) Internet Chess server.");
inline const QByteArray BlockSet = QByteArrayLiteral("block set.");
// What the server sends when block mode is switched off inside a tagged request.
inline const QByteArray BlockUnsetRemnant = QByteArrayLiteral("\x15"
                                                              "999\x16"
                                                              "56\x16"
                                                              "block unset.");
constexpr char BlockStart = 21;
constexpr char BlockSeparator = 22;
constexpr char BlockEnd = 23;
constexpr int WrapColumns = 79;

QByteArray banner();
QByteArray registeredNameText(const QByteArray& name);
QByteArray unregisteredNameText(const QByteArray& name);
QList<QByteArray> welcome(bool newcomer);

// Lines joined with LF CR, each wrapped; lines that the server never wraps (board and
// game lines) pass unchanged.
QByteArray joinWrapped(const QList<QByteArray>& lines);
QByteArray wrap(const QByteArray& line);

QByteArray block(const QByteArray& identifier, int code, const QByteArray& text);

} // namespace FakeFicsText
