#include "ficsim/ServerGame.h"

namespace {

QByteArray text(qint64 value)
{
    return QByteArray::number(value);
}

// "(0:03)", "(1:05:09)" as the server writes the time a move took.
QByteArray moveTime(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(0, ms) / 1000;
    const QByteArray secondsText = QByteArray::number(seconds % 60).rightJustified(2, '0');
    if (seconds >= 3600) {
        return '(' + text(seconds / 3600) + ':' +
               QByteArray::number(seconds / 60 % 60).rightJustified(2, '0') + ':' +
               secondsText + ')';
    }
    return '(' + text(seconds / 60) + ':' + secondsText + ')';
}

// The board sent as a game starts must show the full time even when a millisecond has
// passed since its clock started: clocks are shown to the nearest second.
qint64 wholeSeconds(qint64 ms)
{
    return ms >= 0 ? (ms + 500) / 1000 : -((-ms + 500) / 1000);
}

} // namespace

ServerGame::ServerGame(int number, const Setup& setup, qint64 now)
    : ServerGame(number, Kind::Played, setup, now)
{
    m_clock.start(now);
}

ServerGame::ServerGame(int number, Kind kind, const Setup& setup, qint64 now)
    : m_number(number), m_kind(kind), m_setup(setup),
      m_clock(qint64(setup.minutes) * 60000, qint64(setup.increment) * 1000)
{
    Q_UNUSED(now);
}

ServerGame ServerGame::examined(int number, const QByteArray& examiner)
{
    Setup setup;
    setup.white = examiner;
    setup.black = examiner;
    setup.minutes = 0;
    return ServerGame(number, Kind::Examined, setup, 0);
}

QByteArray ServerGame::speed() const
{
    if (m_setup.bughouse)
        return "wild";
    const int expected = m_setup.minutes * 60 + m_setup.increment * 40;
    return expected < 180 ? "lightning" : expected < 900 ? "blitz" : "standard";
}

QByteArray ServerGame::description() const
{
    return (m_setup.rated ? "rated " : "unrated ") + speed();
}

QByteArray ServerGame::title() const
{
    return "Game " + text(m_number) + " (" + white() + " vs. " + black() + ')';
}

bool ServerGame::isPlayer(const QByteArray& handle) const
{
    return white().compare(handle, Qt::CaseInsensitive) == 0 ||
           black().compare(handle, Qt::CaseInsensitive) == 0;
}

bool ServerGame::isWhite(const QByteArray& handle) const
{
    return white().compare(handle, Qt::CaseInsensitive) == 0;
}

QByteArray ServerGame::opponentOf(const QByteArray& handle) const
{
    return isWhite(handle) ? black() : white();
}

void ServerGame::setOffer(Offer offer, const QByteArray& from, int count)
{
    m_offer = offer;
    m_offerFrom = offer == Offer::None ? QByteArray() : from;
    m_offerCount = count;
}

const ChessGame::Ply& ServerGame::play(const ChessMove& move, qint64 now)
{
    const qint64 taken = m_kind == Kind::Played ? m_clock.press(now) : 0;
    m_clockAfterPly.resize(m_chess.plies().size());
    m_clockAfterPly.append({m_clock.remaining(true, now), m_clock.remaining(false, now)});
    const ChessGame::Ply& ply = m_chess.play(move, taken);
    m_shownPly = int(m_chess.plies().size());
    return ply;
}

int ServerGame::takeBack(int count, qint64 now)
{
    const int taken = m_chess.takeBack(count);
    const int left = int(m_chess.plies().size());
    m_clockAfterPly.resize(left);
    m_shownPly = left;
    if (m_kind == Kind::Played) {
        const qint64 initial = qint64(m_setup.minutes) * 60000;
        const auto clocks = left ? m_clockAfterPly.last() : qMakePair(initial, initial);
        m_clock.reset(clocks.first, clocks.second, m_chess.position().whiteToMove(), now);
    }
    return taken;
}

const ChessPosition& ServerGame::shownPosition() const
{
    if (m_shownPly <= 0)
        return m_chess.start();
    return m_chess.plies().at(m_shownPly - 1).after;
}

QByteArray ServerGame::style12(int relation, bool flip, qint64 now) const
{
    const ChessPosition& position = shownPosition();
    const int castling = position.castling();
    const auto flag = [castling](int right) { return (castling & right) ? "1 " : "0 "; };
    const bool hasPly = m_shownPly > 0;
    const ChessGame::Ply* last = hasPly ? &m_chess.plies().at(m_shownPly - 1) : nullptr;
    const bool clocks = m_kind == Kind::Played;
    const qint64 whiteMs = clocks ? m_clock.remaining(true, now) : 0;
    const qint64 blackMs = clocks ? m_clock.remaining(false, now) : 0;
    QByteArray line = "<12> " + position.style12Ranks() + ' ' +
                      (position.whiteToMove() ? "W " : "B ") +
                      text(position.doublePushFile()) + ' ' +
                      flag(ChessPosition::WhiteShort) + flag(ChessPosition::WhiteLong) +
                      flag(ChessPosition::BlackShort) + flag(ChessPosition::BlackLong) +
                      text(position.halfmoveClock()) + ' ' + text(m_number) + ' ' + white() +
                      ' ' + black() + ' ' + text(relation) + ' ' + text(m_setup.minutes) +
                      ' ' + text(m_setup.increment) + ' ' + text(position.strength(true)) +
                      ' ' + text(position.strength(false)) + ' ' + text(wholeSeconds(whiteMs)) +
                      ' ' + text(wholeSeconds(blackMs)) + ' ' + text(position.fullmoveNumber()) +
                      ' ' + (last ? last->verbose : "none") + ' ' +
                      moveTime(last ? last->thinkMs : 0) + ' ' + (last ? last->san : "none") +
                      ' ' + (flip ? '1' : '0');
    return line;
}

QByteArray ServerGame::holdingsLine() const
{
    const ChessPosition& position = m_chess.position();
    return "<b1> game " + text(m_number) + " white [" + position.holdings(true) + "] black [" +
           position.holdings(false) + ']';
}

QByteArray ServerGame::gameInfoLine() const
{
    const QByteArray seconds = text(m_setup.minutes * 60) + ',' + text(m_setup.increment);
    return "<G1> " + text(m_number) + " p=0 t=" + (m_setup.bughouse ? "bughouse" : speed()) +
           " r=" + (m_setup.rated ? '1' : '0') + " u=0,0 it=" + seconds + " i=" + seconds +
           " pt=0 rt=0,0 ts=0,0 m=0 n=0";
}
