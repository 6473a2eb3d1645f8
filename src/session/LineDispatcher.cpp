#include "session/LineDispatcher.h"

#include "session/BoardSink.h"
#include "session/ChatSink.h"
#include "session/ClockPauseLine.h"
#include "session/CommandSender.h"
#include "session/LineAssembler.h"
#include "session/LoginSink.h"
#include "session/ServerText.h"
#include "session/SoundSink.h"
#include "session/TParsing.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

QByteArray bytes(QByteArrayView view)
{
    return view.toByteArray();
}

const QByteArrayView GameWord = "game ";

} // namespace

LineDispatcher::LineDispatcher(const SessionReceivers& receivers)
    : m_receivers(receivers), m_capture(receivers.listPane)
{
}

bool LineDispatcher::dispatch(LineAssembler& assembler, Pass pass)
{
    const QByteArrayView line = assembler.line();
    if (m_receivers.login.loginState() != LoginState::Ready)
        m_receivers.login.loginLine(bytes(line), bytes(assembler.word(0)), assembler.promptSeen());

    if (pass == Pass::First && captureMarker(line))
        return true;

    const QByteArrayView firstWord = assembler.word(0);
    if (firstWord.isEmpty())
        return false;
    const LineClass lineClass = TParsing::classify(line, firstWord);
    if (lineClass == LineClass::None) {
        // The clock notice has no row in the pattern table: it is shown as ordinary text.
        if (pass == Pass::First) {
            if (const auto pause = ClockPauseLine::parse(line))
                m_receivers.boards.clockPaused(pause->game, pause->paused);
        }
        return false;
    }
    return act(lineClass, assembler);
}

// "capt%%" followed by the capture number; the server echoes it back as an
// unknown command ("capt%%2: Command not found.").
bool LineDispatcher::captureMarker(QByteArrayView line)
{
    if (!line.contains('%')) // a quick no for nearly every line
        return false;
    const qsizetype at = ServerText::find(line, CaptureMarker);
    if (at < 0 || line.size() - at < 7)
        return false;
    qsizetype digit = at + CaptureMarker.size();
    if (!isDigit(line[digit]))
        return true;
    int n = line[digit] - '0';
    ++digit;
    if (digit < line.size() && isDigit(line[digit]))
        n = n * 10 + (line[digit] - '0');
    m_capture.marker(n);
    return true;
}

bool LineDispatcher::act(LineClass lineClass, LineAssembler& assembler)
{
    const QByteArray line = bytes(assembler.line());
    BoardSink& boards = m_receivers.boards;
    SoundSink& sounds = m_receivers.sounds;
    switch (lineClass) {
    case LineClass::Holdings:
        boards.applyHoldings(ServerText::readInteger(assembler.word(2)), line);
        return true;
    case LineClass::Style12:
        boards.style12Line(line);
        return true;
    case LineClass::GameCreated:
        assembler.setKind(TextKind::GameInfo);
        m_receivers.chat.fanOut(line, {}, TextKind::GameInfo, {}, true);
        sounds.playSound(QStringLiteral("Game Start"));
        return false;
    case LineClass::IllegalMove:
        boards.refreshBoards();
        sounds.playSound(QStringLiteral("Illegal Move"));
        return false;
    case LineClass::NoAds:
    case LineClass::KibitzTarget:
        return true;
    case LineClass::GameLeft: {
        const int game = ServerText::numberAfter(line, GameWord);
        if (game >= 0)
            boards.gameLeft(game);
        return false;
    }
    case LineClass::PartnerIs: {
        const int game = ServerText::numberAfter(line, GameWord);
        if (game > 0) {
            m_receivers.commands.sendCommand(QStringLiteral("Observe %1").arg(game));
            boards.setPartnerGame(game);
        }
        return false;
    }
    case LineClass::Thanks:
        return false;
    case LineClass::DrawOffer:
        request(assembler, "Draw Request");
        return false;
    case LineClass::AbortRequest:
        request(assembler, "Abort Request");
        return false;
    case LineClass::AdjournRequest:
        request(assembler, "Adjourn Request");
        return false;
    case LineClass::TakebackRequest:
        request(assembler, "TakeBack Request");
        return false;
    case LineClass::PauseRequest:
        request(assembler, "Pause Request");
        return false;
    case LineClass::TimeAdded:
        request(assembler, "More Time Added");
        boards.refreshBoards();
        return false;
    case LineClass::Arrival:
        sounds.playSound(QStringLiteral("Arrival Notification"));
        m_receivers.chat.fanOut(line, {}, TextKind::Normal, {}, true);
        return false;
    case LineClass::Challenge:
        request(assembler, "Challenge");
        return false;
    case LineClass::GameResult:
        boards.gameEnded(line, ServerText::readInteger(assembler.word(1)));
        return false;
    case LineClass::GameInfo:
        assembler.setKind(TextKind::GameInfo);
        boards.setPendingGameInfo(line);
        return false;
    default:
        actOnChat(lineClass, assembler);
        return false;
    }
}

void LineDispatcher::request(LineAssembler& assembler, const char* sound)
{
    assembler.setKind(TextKind::Requests);
    m_receivers.chat.fanOut(bytes(assembler.line()), {}, TextKind::Requests, {}, true);
    m_receivers.sounds.playSound(QString::fromLatin1(sound));
}

// Continuation lines, shouts, says, tells, kibitzes, whispers,
// partner tells and channel tells.
void LineDispatcher::actOnChat(LineClass lineClass, LineAssembler& assembler)
{
    ChatSink& chat = m_receivers.chat;
    const QByteArray line = bytes(assembler.line());
    const QByteArray first = bytes(assembler.word(0));
    const QByteArray second = bytes(assembler.word(1));
    const auto fanOut = [&](TextKind kind, bool includeMain) {
        assembler.setKind(kind);
        chat.fanOut(line, first, kind, second, includeMain);
    };
    const auto tellSound = [&] { m_receivers.sounds.playSound(QStringLiteral("Tells")); };

    switch (lineClass) {
    case LineClass::Continuation: {
        const TextKind previous = assembler.previousKind();
        if (previous == TextKind::Normal)
            return;
        const bool shout = previous == TextKind::Shout || previous == TextKind::CShout;
        const bool channelTell = previous == TextKind::ChannelTell;
        if (!(shout && !chat.includeShouts()) && !(channelTell && !chat.includeChannelTells()))
            chat.direct(line, first, previous, second);
        fanOut(previous, false);
        return;
    }
    case LineClass::Shout: {
        // "--> alice waves": the speaker is the second word.
        const bool emote = first.startsWith('-');
        const QByteArray& speaker = emote ? second : first;
        const QByteArray& other = emote ? first : second;
        if (chat.includeShouts())
            chat.direct(line, speaker, TextKind::Shout, other);
        assembler.setKind(TextKind::Shout);
        chat.fanOut(line, speaker, TextKind::Shout, other, false);
        return;
    }
    case LineClass::CShout:
        if (chat.includeShouts())
            chat.direct(line, first, TextKind::CShout, second);
        fanOut(TextKind::CShout, false);
        return;
    case LineClass::Say:
    case LineClass::Tell:
        fanOut(TextKind::Tell, true);
        tellSound();
        return;
    case LineClass::Kibitz:
    case LineClass::Whisper:
        fanOut(TextKind::Kibitz, true);
        return;
    case LineClass::PartnerTell:
        fanOut(TextKind::PTell, true);
        tellSound();
        return;
    case LineClass::ChannelTell:
        assembler.setKind(TextKind::ChannelTell);
        if (chat.includeChannelTells())
            chat.channel(line, first, second);
        fanOut(TextKind::ChannelTell, false);
        return;
    default:
        return;
    }
}
