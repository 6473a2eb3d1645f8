#include "ficsim/BotPlayer.h"

#include "ficsim/MoveChooser.h"
#include "ficsim/chess/ChessPosition.h"
#include "ficsim/chess/MoveNotation.h"

#include <QRegularExpression>
#include <QTimer>

namespace {

const QByteArray Prompt = "fics% ";

// "{Game 12 (alice vs. bob) ..." -> 12, or 0.
int gameNumberOf(const QByteArray& line)
{
    if (!line.startsWith("{Game "))
        return 0;
    return line.mid(6, line.indexOf(' ', 6) - 6).toInt();
}

} // namespace

BotPlayer::BotPlayer(const QByteArray& handle, const QByteArray& password, MoveChooser* chooser,
                     QObject* parent)
    : QObject(parent), m_handle(handle), m_password(password), m_chooser(chooser)
{
    m_chooser->setParent(this);
    connect(&m_socket, &QTcpSocket::readyRead, this, &BotPlayer::onReadyRead);
    connect(m_chooser, &MoveChooser::chosen, this,
            [this](const ChessMove& move) { send(MoveNotation::coordinate(move)); });
    connect(m_chooser, &MoveChooser::failed, this, [this](const QString& why) {
        Q_EMIT problem(why);
        if (m_game)
            send("resign");
    });
}

void BotPlayer::connectTo(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
}

void BotPlayer::send(const QByteArray& command)
{
    m_socket.write(command + '\n');
}

void BotPlayer::postSeek()
{
    if (!m_seek.isEmpty() && !m_game)
        send("seek " + m_seek);
}

void BotPlayer::onReadyRead()
{
    m_pending += m_socket.readAll();
    if (!m_ready) {
        // The login prompts end without a line end.
        if (m_pending.endsWith("login: ")) {
            m_pending.clear();
            send(m_handle);
        } else if (m_pending.endsWith("password: ")) {
            m_pending.clear();
            send(m_password);
        } else if (m_pending.endsWith(Prompt)) {
            m_pending.clear();
            m_ready = true;
            send("set style 12");
            postSeek();
            Q_EMIT loggedIn();
        }
        return;
    }
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        while (line.startsWith('\r'))
            line.remove(0, 1);
        while (line.startsWith(Prompt))
            line.remove(0, Prompt.size());
        if (line.endsWith('\r'))
            line.chop(1);
        handleLine(line);
    }
}

void BotPlayer::handleLine(const QByteArray& line)
{
    static const QRegularExpression seekNotice(
        QStringLiteral("^(\\S+) \\(\\S+\\) seeking .* \\(\"play (\\d+)\" to respond\\)$"));
    if (line.startsWith("<12> ")) {
        handleBoard(line);
    } else if (line.startsWith("Challenge: ")) {
        const QByteArray challenger = line.mid(11, line.indexOf(' ', 11) - 11);
        send((m_game ? "decline " : "accept ") + challenger);
    } else if (line.contains("would like to abort the game") ||
               line.contains("would like to take back")) {
        send("accept");
    } else if (const auto match = seekNotice.match(QString::fromLatin1(line)); match.hasMatch()) {
        const QByteArray seeker = match.captured(1).toLatin1();
        if (!m_game && seeker != m_handle && !m_ignoredSeekers.contains(seeker))
            send("play " + match.captured(2).toLatin1());
    } else if (const int number = gameNumberOf(line)) {
        const bool mine = line.contains('(' + m_handle + " vs. ") ||
                          line.contains(" vs. " + m_handle + ')');
        if (line.contains(") Creating ")) {
            if (mine && !m_game) {
                m_game = number;
                Q_EMIT gameStarted(number);
            }
        } else if (number == m_game && mine) {
            m_game = 0;
            Q_EMIT gameEnded(line);
            QTimer::singleShot(1000, this, &BotPlayer::postSeek);
        }
    }
}

void BotPlayer::handleBoard(const QByteArray& line)
{
    const QList<QByteArray> fields = line.split(' ');
    if (fields.size() < 31 || fields[19] != "1")
        return;
    const auto position = ChessPosition::fromStyle12(line);
    if (!position) {
        Q_EMIT problem(QStringLiteral("cannot read the board: %1").arg(QString::fromLatin1(line)));
        return;
    }
    const bool white = fields[17] == m_handle;
    const qint64 remaining = (white ? fields[24] : fields[25]).toLongLong() * 1000;
    m_chooser->choose(*position, remaining);
}
