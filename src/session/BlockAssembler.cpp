#include "session/BlockAssembler.h"

#include "session/ServerText.h"

#include <algorithm>
#include <cstring>

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

// Where c first occurs in text[from, to), or -1.
qsizetype indexIn(const QByteArray& text, char c, qsizetype from, qsizetype to)
{
    if (from >= to)
        return -1;
    const void* at = std::memchr(text.constData() + from, c, size_t(to - from));
    return at ? static_cast<const char*>(at) - text.constData() : -1;
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
    removeRemnants(data);
    scan(data, result);
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

    // The pending text held no remnant before this chunk, so a remnant can only end in
    // the new bytes: the search starts just before them instead of at the block's start.
    const qsizetype oldSize = m_pending.size();
    m_pending.append(data);
    for (const QByteArray* remnant : {&S1, &S2}) {
        const qsizetype from = std::max<qsizetype>(0, oldSize - (remnant->size() - 1));
        if (ServerText::find(QByteArrayView(m_pending).sliced(from), *remnant) >= 0) {
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

// One pass over the chunk: the text between blocks is copied out once, each block once.
void BlockAssembler::scan(QByteArray& data, Result& result)
{
    const qsizetype size = data.size();
    qsizetype first = data.indexOf(BlockStart);
    if (first < 0) {
        result.plain = std::move(data);
        return;
    }
    QByteArray plain;
    plain.reserve(size);
    qsizetype copied = 0; // data before this is in plain or in a block
    while (first >= 0) {
        const qsizetype end = indexIn(data, BlockEnd, first + 1, size);
        // One look-ahead: a second start before the end begins the block instead.
        const qsizetype second = indexIn(data, BlockStart, first + 1, end < 0 ? size : end);
        const qsizetype start = second >= 0 ? second : first;
        if (end < 0) {
            if (size - start <= MaxPending) {
                m_inBlock = true;
                plain.append(data.constData() + copied, start - copied);
                m_pending = data.sliced(start);
                copied = size;
            }
            break;
        }
        plain.append(data.constData() + copied, start - copied);
        result.blocks.append(data.sliced(start, end - start + 1));
        m_inBlock = false;
        m_pending.clear();
        copied = end + 1;
        first = indexIn(data, BlockStart, copied, size);
    }
    plain.append(data.constData() + copied, size - copied);
    result.plain = std::move(plain);
}
