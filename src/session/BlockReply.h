#pragma once

#include <QByteArray>
#include <QList>

// One reply to a tagged (block-mode) request.
//
//   block  := 21 identifier 22 code 22 text 23
//          |  21 22 22 identifier code text ...   (the "block unset." form)
//
// The identifier is the number the request was sent with (three digits); the
// code is the server's number for the command, one to three digits.
struct BlockReply
{
    QByteArray identifier;
    QByteArray commandCode;
    // The output without its header, the end character turned into a space, the
    // prompts removed and, for an error code, the server's error message appended.
    QByteArray text;

    // The text with every LF removed, split at CR (no empty item after a final CR).
    QList<QByteArray> lines() const;

    // Parses one raw block, from its start character through its end character.
    static BlockReply parse(const QByteArray& raw);

    // The message for a server error code 512..520, or an empty text.
    static QByteArray errorMessage(int code);
};
