#include "lists/VarsHelpText.h"

namespace VarsHelpText {

const QString& sections()
{
    static const QString text = QStringLiteral(R"(<<TIME>>,time
Your default starting time in minutes.
Used when you challenge or seek without giving a time control.
<<END>>
<<INCREMENT>>,inc
Your default increment: seconds added to your clock after each move.
<<END>>
<<RATED>>,rated
Yes: your challenges and seeks are rated unless you say otherwise.
<<END>>
<<OPEN>>,open
Yes: other players may challenge you. No: the server refuses their match requests.
<<END>>
<<TOURNEY>>,tourney
Yes: you tell the tournament managers that you are playing in a tournament.
<<END>>
<<PROVSHOW>>,provshow
Yes: provisional ratings are marked with "P" in lists of players and games.
<<END>>
<<LANGUAGE>>,Lang
The language the server uses for its help files where it has them.
<<END>>
<<AUTOFLAG>>,autoflag
Yes: the server claims a win on time for you as soon as your opponent's flag falls.
<<END>>
<<MINMOVETIME>>,minmovetime
Yes: every move takes at least a short minimum time on the clocks, so lag does not
decide fast games.
<<END>>
<<NOTAKEBACK>>,notakeback
Yes: your opponents' takeback requests are refused without asking you.
<<END>>
<<PRIVATE>>,private
Yes: your games cannot be observed and are not listed by "games".
<<END>>
<<JPRIVATE>>,jprivate
Yes: only you can look at your journal. 0, 1 or 2 on the server: open, private,
or private with results shown.
<<END>>
<<AUTOMAIL>>,automail
Yes: the server mails you the moves of every game you finish.
<<END>>
<<PGN>>,pgn
Yes: games mailed to you come in PGN format.
<<END>>
<<MAILMESS>>,mailmess
Yes: messages sent to you are also mailed to your address.
<<END>>
<<MESSREPLY>>,messreply
Yes: messages mailed to you carry your address, so the recipient can answer by mail.
<<END>>
<<UNOBSERVE>>,unobserve
When the server stops your observing of games: when you start or examine a game,
only when you start one, only when you examine one, or never.
<<END>>
<<SHOUT>>,shout
Yes: you hear shouts.
<<END>>
<<CSHOUT>>,cshout
Yes: you hear chess shouts (cshout).
<<END>>
<<KIBITZ>>,kibitz
Yes: you hear kibitzes in games you play or observe.
<<END>>
<<KIBLEVEL>>,kiblevel
Kibitzes from players rated below this number are not shown to you.
<<END>>
<<TELL>>,tell
Yes: unregistered players (guests) may send you tells.
<<END>>
<<CTELL>>,ctell
Yes: unregistered players' channel tells reach you.
<<END>>
<<CHANOFF>>,chanoff
Yes: you hear no channel tells at all, whatever channels you are in.
<<END>>
<<SILENCE>>,silence
Yes: while you play, you hear no shouts, channel tells or other server-wide chat.
<<END>>
<<ECHO>>,echo
Yes: the server repeats your own channel tells and shouts back to you.
<<END>>
<<TOLERANCE>>,tolerance
How much rude language the server's censor lets through to you, from extra clean
to no censoring.
<<END>>
<<PIN>>,pin
Yes: you are told whenever a player logs in or out.
<<END>>
<<NOTIFIEDBY>>,notifiedby
Yes: you are told when a player who has you on their notify list logs in or out.
<<END>>
<<AVAILINFO>>,availinfo
Yes: you receive the list of players who are free to play, kept up to date.
<<END>>
<<AVAILMIN>>,availmin
With availinfo: only players rated at least this are reported to you.
<<END>>
<<AVAILMAX>>,availmax
With availinfo: only players rated at most this are reported to you.
<<END>>
<<GIN>>,gin
Yes: you are told when games start and end.
<<END>>
<<SEEK>>,seek
Yes: you see seek ads as players post them.
<<END>>
<<SHOWOWNSEEK>>,showownseek
Yes: your own seek ads are shown to you as well.
<<END>>
<<EXAMINE>>,examine
Yes: you enter examine mode on a game as soon as it ends.
<<END>>
<<NOESCAPE>>,noescape
Yes: a player who disconnects from your game forfeits instead of adjourning it.
<<END>>
<<FLIP>>,flip
Yes: the board is shown with Black at the bottom.
<<END>>
<<HIGHLIGHT>>,highlight
How your handle is highlighted in the server's text (0 for none).
<<END>>
<<PTIME>>,ptime
Shows whether the server sends move times with the board. The client sets it.
<<END>>
<<TZONE>>,tzone
The time zone the server uses when it shows you dates and times.
<<END>>
<<FORMULA>>,Formula
The formula filters the challenges and seeks that reach you, for example
"!computer & standard". f1 to f9 are named parts you can use in the formula.
<<END>>
)");
    return text;
}

} // namespace VarsHelpText
