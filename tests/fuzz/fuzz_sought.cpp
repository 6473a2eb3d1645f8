// libFuzzer target for the seek list: any bytes as a "sought" capture, for both
// protocols' column orders, then placed on graphs of a few sizes.
#include "lists/SeekGraphGeometry.h"
#include "lists/SeekTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char*>(data), qsizetype(size));
    for (ServerProtocol protocol : {ServerProtocol::Fics, ServerProtocol::Icc}) {
        SeekTable table;
        table.parse(text, protocol);
        if (table.count() > SeekTable::MaxSeeks)
            std::abort();
        for (const TSeek& seek : table.seeks())
            if (seek.number < 0 || seek.time < 0 || seek.increment < 0 || seek.rating < 0 ||
                seek.pictureIndex() < 0 || seek.pictureIndex() > 7 || seek.name.contains('('))
                std::abort();
        const auto range = SeekGraphGeometry::RatingRange::clamped(
            size > 0 ? data[0] * 20 : 0, size > 1 ? data[1] * 20 : 0);
        for (const QSize graph : {QSize(0, 0), QSize(311, 210), QSize(5, 3)}) {
            SeekGraphGeometry::placeDots(table.seeks(), graph, range);
            for (const TSeek& seek : table.seeks())
                if (seek.dot.top() < 0 || seek.dot.top() > std::max(0, graph.height() - 10))
                    std::abort();
        }
    }
    return 0;
}
