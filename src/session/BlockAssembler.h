#pragma once

#include <QByteArray>
#include <QList>

// Cuts block-mode replies out of the received stream.
//
//   block  := 21 identifier 22 code 22 text 23
//   S1     := 21 22 22 "fics% 99956block unset."    (no end character ever follows)
//   S2     := 21 "999" 22 "56" 22 "block unset."
//
// A block may span chunks: from its start character on it waits in `pending`
// until its end character, or an S1/S2 remnant, arrives.
class BlockAssembler
{
public:
    static const QByteArray S1;
    static const QByteArray S2;
    // A pending block larger than this is given up and shown as plain text, so that
    // a lost end character cannot hold the rest of the session in memory.
    static constexpr qsizetype MaxPending = 1024 * 1024;

    struct Result
    {
        QByteArray plain;          // text outside blocks, in order
        QList<QByteArray> blocks;  // complete blocks, in order
    };

    Result extract(QByteArray data);
    void reset();
    bool inBlock() const { return m_inBlock; }
    qsizetype pendingSize() const { return m_pending.size(); }

private:
    bool finishPendingBlock(QByteArray& data, Result& result);
    void scan(QByteArray& data, Result& result);

    bool m_inBlock = false;
    QByteArray m_pending;
};
