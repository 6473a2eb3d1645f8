// ficsim: a fake FICS server on this machine, for trying the client without internet.

#include "ficsim/BotPlayer.h"
#include "ficsim/FakeFicsScript.h"
#include "ficsim/FakeFicsServer.h"
#include "ficsim/RandomMover.h"
#include "ficsim/UciEngine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSocketNotifier>

#include <unistd.h>
#include <QTextStream>

namespace {

bool addAccounts(const QStringList& specs, FakeFicsServer& server, QTextStream& err)
{
    for (const QString& spec : specs) {
        const int colon = spec.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            err << "ficsim: --account wants NAME:PASSWORD, got " << spec << Qt::endl;
            return false;
        }
        server.addAccount(spec.left(colon).toLatin1(), spec.mid(colon + 1).toLatin1());
    }
    return true;
}

bool loadScript(const QString& path, FakeFicsServer& server, QTextStream& err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "ficsim: cannot read " << path << ": " << file.errorString() << Qt::endl;
        return false;
    }
    QString error;
    if (FakeFicsScript::apply(file.readAll(), server, &error))
        return true;
    err << "ficsim: " << path << ": " << error << Qt::endl;
    return false;
}

// A bot logs in like anybody else, under a registered name with a password of the moment.
BotPlayer* startBot(FakeFicsServer& server, const QByteArray& handle, MoveChooser* chooser,
                    QTextStream& out)
{
    const QByteArray password = QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    server.addAccount(handle, password);
    auto* bot = new BotPlayer(handle, password, chooser, &server);
    bot->setIgnoredSeekers({"Randy", "Sparring"});
    QObject::connect(bot, &BotPlayer::problem, bot, [&out, handle](const QString& why) {
        out << handle << ": " << why << Qt::endl;
    });
    bot->connectTo(server.port());
    return bot;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ficsim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A fake FICS server for trying Tolvaris."));
    parser.addHelpOption();
    const QCommandLineOption port({QStringLiteral("p"), QStringLiteral("port")},
                                  QStringLiteral("Port to listen on (default 5000, 0 = any)."),
                                  QStringLiteral("port"), QStringLiteral("5000"));
    const QCommandLineOption address(QStringLiteral("listen"),
                                     QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                     QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("Add a registered account."),
                                     QStringLiteral("name:password"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    QStringLiteral("Scripted answers and pushes (see README)."),
                                    QStringLiteral("file"));
    const QCommandLineOption captured(
        QStringLiteral("captured"),
        QStringLiteral("Behave like the recorded server: close after a wrong password, "
                       "\"Command has failed.\", no block mode."));
    const QCommandLineOption engine(
        QStringLiteral("engine"),
        QStringLiteral("Run this UCI chess engine (such as /usr/games/stockfish) as the player "
                       "\"Sparring\"."),
        QStringLiteral("path"));
    const QCommandLineOption quiet(
        QStringLiteral("quiet"),
        QStringLiteral("Print only the listening line, not every line received."));
    const QCommandLineOption noRandy(QStringLiteral("no-randy"),
                                     QStringLiteral("Leave out Randy, the random-move bot."));
    const QCommandLineOption withInput(
        QStringLiteral("until-input-ends"),
        QStringLiteral("Stop when standard input closes (the program that started ficsim ended)."));
    parser.addOptions(
        {port, address, account, script, captured, engine, quiet, noRandy, withInput});
    parser.process(app);

    FakeFicsServer server;
    if (parser.isSet(captured))
        server.setDialect(FakeFicsServer::Dialect::CapturedServer);
    if (!addAccounts(parser.values(account), server, err))
        return 2;
    if (parser.isSet(script) && !loadScript(parser.value(script), server, err))
        return 2;
    bool portOk = false;
    const quint16 portNumber = parser.value(port).toUShort(&portOk);
    if (!portOk || !server.listen(portNumber, QHostAddress(parser.value(address)))) {
        err << "ficsim: cannot listen on " << parser.value(address) << ':' << parser.value(port)
            << ": " << server.errorString() << Qt::endl;
        return 1;
    }
    if (!parser.isSet(quiet)) {
        QObject::connect(&server, &FakeFicsServer::loggedIn, &server,
                         [&out](const QByteArray& who) { out << "logged in: " << who << Qt::endl; });
        QObject::connect(&server, &FakeFicsServer::lineReceived, &server,
                         [&out](const QByteArray& line) { out << "< " << line << Qt::endl; });
    }
    if (parser.isSet(withInput)) {
        auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
        QObject::connect(input, &QSocketNotifier::activated, &app, [input] {
            char buffer[256];
            if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
                input->setEnabled(false);
                QCoreApplication::quit();
            }
        });
    }
    out << "ficsim listening on " << parser.value(address) << ':' << server.port() << Qt::endl;
    if (!parser.isSet(noRandy))
        startBot(server, "Randy", new RandomMover(), out);
    if (parser.isSet(engine)) {
        auto* sparring = new UciEngine(parser.value(engine));
        QString why;
        if (!sparring->start(&why)) {
            err << "ficsim: " << why << Qt::endl;
            delete sparring;
            return 2;
        }
        startBot(server, "Sparring", sparring, out);
    }
    return app.exec();
}
