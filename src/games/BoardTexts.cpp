#include "games/BoardTexts.h"

#include "games/GameInfo.h"
#include "games/Style12Record.h"

namespace {

QString latin1(const QByteArray& text)
{
    return QString::fromLatin1(text);
}

constexpr int ShortNameLength = 9;

} // namespace

namespace BoardTexts {

QString caption(const Style12Record& record, const GameInfo& info)
{
    return QString::number(record.GameNumber.value()) + QStringLiteral(": ") +
           latin1(record.WhiteName.value()) + u'(' + latin1(info.whiteRating) +
           QStringLiteral(") vs ") + latin1(record.BlackName.value()) + u'(' +
           latin1(info.blackRating) + QStringLiteral(") ") + latin1(info.typeText) +
           (info.rated ? QStringLiteral(" Rated ") : QStringLiteral(" Unrated ")) +
           latin1(info.firstInitialTime) + u'/' + latin1(info.secondInitialTime);
}

QString lastMove(const Style12Record& record)
{
    const QString pretty = latin1(record.PrettyMove.value());
    const int move = record.MoveNumber.value();
    if (pretty.isEmpty() || move < 1)
        return {};
    if (record.WhitesMove) {
        if (move - 1 < 1)
            return QStringLiteral("1. ...");
        return QString::number(move - 1) + QStringLiteral(". ... ") + pretty;
    }
    return QString::number(move) + QStringLiteral(". ") + pretty + QStringLiteral(" ...");
}

QString moveListEntry(const Style12Record& record)
{
    const int move = record.MoveNumber.value();
    const QString pretty = latin1(record.PrettyMove.value());
    if (record.WhitesMove) {
        if (move == 1)
            return QStringLiteral("Moves");
        return QString::number(move - 1) + QStringLiteral("b. ") + pretty;
    }
    return QString::number(move) + QStringLiteral("w. ") + pretty;
}

QString shortName(const QByteArray& handle)
{
    return latin1(handle.left(ShortNameLength));
}

std::array<int, 6> lostPieces(const Style12Record& record, bool white)
{
    static constexpr std::array<int, 6> Start{8, 2, 2, 2, 1, 1};
    std::array<int, 6> onBoard{};
    for (PieceCode code : record.Squares) {
        if (code != PieceCode::Empty && isWhitePiece(code) == white)
            ++onBoard[int(pieceKindOf(code))];
    }
    std::array<int, 6> lost{};
    for (int kind = 0; kind < 6; ++kind)
        lost[kind] = std::max(0, Start[kind] - onBoard[kind]);
    return lost;
}

} // namespace BoardTexts
