#pragma once

#include "lists/TSeek.h"
#include "net/ServerProtocol.h"

#include <QByteArrayView>
#include <QList>

// The seek list, rebuilt from scratch from the captured output of "sought".
//
//   line := number rating name time increment rated type [more words...] LF
//
// (ICC: number rating name type time increment rated.) Words are separated by
// blanks; number, time and increment are whole numbers, rated is "rated" or
// "unrated" in any case; any other line (headers, the summary, a line with too
// few words or a number that does not fit) is skipped. At most MaxSeeks offers.
class SeekTable
{
public:
    static constexpr int MaxSeeks = 512;
    static constexpr int UntimedExpectedTime = 250;

    void parse(QByteArrayView text, ServerProtocol protocol);

    int count() const { return int(m_seeks.size()); }
    const TSeek& at(int i) const { return m_seeks.at(i); }
    TSeek& at(int i) { return m_seeks[i]; }
    QList<TSeek>& seeks() { return m_seeks; }
    const QList<TSeek>& seeks() const { return m_seeks; }

private:
    QList<TSeek> m_seeks;
};
