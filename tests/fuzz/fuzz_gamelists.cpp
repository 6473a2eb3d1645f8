// libFuzzer target for the stored, journal and history replies: any bytes as
// the lines of a reply, for each window. Every command built from a row is one
// command: no "^" and no line break from the server's text.
#include "lists/GameListCommands.h"
#include "lists/GameListState.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> lines = text.split('\r');
    using Button = GameListCommands::Button;
    for (GameListKind::Id kind :
         {GameListKind::Stored, GameListKind::Journal, GameListKind::History}) {
        GameListState state(kind);
        state.fill(lines);
        if (state.rows().size() != state.kind().rowCount)
            std::abort();
        for (int row = -1; row <= int(state.rows().size()); ++row) {
            for (Button button : {Button::Examine, Button::Position, Button::Moves,
                                  Button::MailStored, Button::Resign, Button::OfferDraw,
                                  Button::OfferAbort, Button::DeleteFromJournal,
                                  Button::AddToJournal}) {
                const QString command = GameListCommands::forButton(state, row, button);
                if (command.contains(u'^') || command.contains(u'\n') || command.contains(u'\r'))
                    std::abort();
            }
            const QString label = state.adjudicateLabel(row);
            if (label.contains(u'^') || label.contains(u'\n'))
                std::abort();
        }
    }
    return 0;
}
