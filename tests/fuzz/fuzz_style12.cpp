// libFuzzer target for style 12 board lines: any bytes after "<12> " as one line. A line
// that parses must give a record the boards can use without checks of their own.
#include "games/ParseStyle12.h"
#include "games/Style12Record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray line(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!line.startsWith("<12>"))
        line.prepend("<12> ");
    Style12Record record;
    if (!ParseStyle12(line, record))
        return 0;

    for (const PieceCode square : record.Squares) {
        if (quint8(square) > 12)
            std::abort();
    }
    if (record.WhitesMove > 1 || record.LiveGame > 1)
        std::abort();
    if (record.PlyIndex() < 0)
        std::abort();
    if (record.WhiteName.value().size() > 20 || record.BlackName.value().size() > 20 ||
        record.VerboseMove.value().size() > 8 || record.MoveTime.value().size() > 10 ||
        record.PrettyMove.value().size() > 12)
        std::abort();
    return 0;
}
