#pragma once

#include <QString>
#include <QStringList>

// The commands a chat window composes for one message: the prefix of its
// message type on the connection's server family, one command per recipient
// and piece of text. Each command is one line; it must go out whole.
namespace ChatComposer {

enum class MessageType {
    Command = 0,
    Tell = 1,
    Say = 2,
    Kibitz = 3,
    Whisper = 4,
    Shout = 5,
    CShout = 6,
    I = 7,
    PTell = 8,
    Message = 9,
};
constexpr int MessageTypeCount = 10;

enum class Protocol { Fics = 0, Icc = 1 };

constexpr int MaxRecipients = 21;
constexpr int FicsPieceLength = 900;
constexpr int IccPieceLength = 240;

QString tabCaption(MessageType type);
QString prefix(MessageType type, Protocol protocol);
bool takesRecipients(MessageType type);

// 'anna  bob' -> ANNA, BOB (as typed, at most 21).
QStringList recipients(const QString& recipientText);

// Every line break becomes a space before the text is cut, so that no piece
// can end a command early.
QStringList pieces(const QString& text, Protocol protocol);

// Empty when there is nothing to send: an empty text, or no recipient where
// the type needs one.
QStringList compose(MessageType type, Protocol protocol, const QString& recipientText,
                    const QString& text);

} // namespace ChatComposer
