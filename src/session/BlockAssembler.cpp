#include "session/BlockAssembler.h"

#include "session/ServerText.h"

namespace {
constexpr char BlockStart = 21;
constexpr char BlockEnd = 23;

// Every occurrence, in one left-to-right pass.
void removeAll(QByteArray& text, const QByteArray& sequence)
{
    if (ServerText::find(text, sequence) >= 0)
        text.replace(sequence, QByteArray());
}

void removeRemnants(QByteArray& text)
{
    // Both remnants begin with the start character; most text has none.
    if (!text.contains(BlockStart))
        return;
    removeAll(text, BlockAssembler::S1);
    removeAll(text, BlockAssembler::S2);
}
} // namespace

const QByteArray BlockAssembler::S1 = QByteArray("\x15\x16\x16" "fics% 99956block unset.");
const QByteArray BlockAssembler::S2 = QByteArray("\x15" "999\x16" "56\x16" "block unset.");

void BlockAssembler::reset()
{
    m_inBlock = false;
    m_pending.clear();
}

BlockAssembler::Result BlockAssembler::extract(QByteArray data)
{
    Result result;
    if (m_inBlock && !finishPendingBlock(data, result))
        return result;
    scan(data, result);
    result.plain = std::move(data);
    return result;
}

// Continues the block left unfinished by an earlier chunk. Returns false when the
// whole chunk went into the pending block (or out as plain text past the size bound).
bool BlockAssembler::finishPendingBlock(QByteArray& data, Result& result)
{
    const qsizetype end = data.indexOf(BlockEnd);
    if (end >= 0) {
        m_pending.append(data.constData(), end + 1);
        removeRemnants(m_pending);
        result.blocks.append(std::exchange(m_pending, {}));
        data.remove(0, end + 1);
        m_inBlock = false;
        return true;
    }

    m_pending.append(data);
    for (const QByteArray* remnant : {&S1, &S2}) {
        if (ServerText::find(m_pending, *remnant) >= 0) {
            m_inBlock = false;
            data = std::exchange(m_pending, {});
            removeAll(data, *remnant);
            return true;
        }
    }
    if (m_pending.size() > MaxPending) {
        m_inBlock = false;
        result.plain = std::exchange(m_pending, {});
    }
    data.clear();
    return false;
}

void BlockAssembler::scan(QByteArray& data, Result& result)
{
    removeRemnants(data);
    qsizetype pos = 0;
    while (pos < data.size()) {
        const qsizetype first = data.indexOf(BlockStart, pos);
        if (first < 0)
            return;
        m_inBlock = true;
        const qsizetype second = data.indexOf(BlockStart, first + 1);
        const qsizetype end = data.indexOf(BlockEnd, first + 1);
        qsizetype start = first;
        if (second >= 0 && (end < 0 || second < end))
            start = second;
        if (end < 0) {
            if (data.size() - start > MaxPending) {
                m_inBlock = false;
                return;
            }
            m_pending = data.mid(start);
            data.truncate(start);
            return;
        }
        result.blocks.append(data.mid(start, end - start + 1));
        data.remove(start, end - start + 1);
        m_inBlock = false;
        m_pending.clear();
        pos = start;
    }
}
