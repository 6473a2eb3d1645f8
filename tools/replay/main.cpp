// tolvaris-replay: feeds a raw server capture through the session pipeline and
// the line dispatcher, and prints one JSON object per event.
//
//   tolvaris-replay [--chunk N] [--ready] [--tab N] [--protocol fics|icc] FILE|-
//   tolvaris-replay --bench [--chunk N] FILE|-
//
// With --chunk the input is read N bytes at a time and each piece is replayed as it
// comes (standard input as it is fed), so a trace of any size replays in bounded memory.
// Without it the whole input is one chunk.
//
// Unless --ready is given, the real login steps answer the prompts as a guest
// (names drawn with a fixed seed, so runs repeat) and send the interface set-up.

#include "EventRecorder.h"
#include "session/NullReceivers.h"
#include "session/LoginQuestions.h"
#include "session/LoginSteps.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/TraceLog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <functional>

namespace {

struct Options
{
    qsizetype chunk = 0; // 0: the whole input as one chunk
    bool ready = false;
    bool bench = false;
    int tab = 2;
    ServerProtocol protocol = ServerProtocol::Fics;
    QString file;
};

void runUntilIdle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The next piece of the input: chunk bytes, fewer only at its end; empty when it is over.
using Source = std::function<QByteArray()>;

QByteArray readPiece(QIODevice& input, qsizetype size)
{
    QByteArray piece(size, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < size) {
        const qint64 read = input.read(piece.data() + got, size - got);
        if (read <= 0)
            break;
        got += read;
    }
    piece.truncate(got);
    return piece;
}

void feed(SessionPipeline& pipeline, const QByteArray& input, qsizetype chunk)
{
    const qsizetype step = chunk > 0 ? chunk : qMax<qsizetype>(input.size(), 1);
    for (qsizetype at = 0; at < input.size(); at += step) {
        pipeline.chunkIntake(input.mid(at, step));
        runUntilIdle();
    }
}

// Nobody sits at the replay: every question is answered with what the box offers.
class OfferedAnswers : public LoginQuestions
{
public:
    Answer ask(const QString&, const QString&, const QString& initialText, bool) override
    {
        return {initialText, true};
    }
};

int replay(const Options& options, const Source& nextPiece)
{
    EventRecorder recorder(LoginState::Ready, options.tab, [](const QByteArray& json) {
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        std::fputc('\n', stdout);
    });
    OfferedAnswers answers;
    QRandomGenerator random(1);
    LoginSteps login(recorder, answers, random);
    login.setAccount(QString(), QString(), options.protocol);
    login.sessionConnected();

    SessionReceivers receivers = recorder.receivers();
    LoginSink& loginSink = options.ready ? static_cast<LoginSink&>(recorder) : login;
    const TraceLog trace(false);
    SessionLog log;
    SessionPipeline pipeline(SessionReceivers{receivers.terminal, loginSink, receivers.boards,
                                              receivers.chat, receivers.sounds, receivers.listPane,
                                              receivers.commands, receivers.replyWindows},
                             trace, log);
    recorder.watch(pipeline);
    for (QByteArray piece = nextPiece(); !piece.isEmpty(); piece = nextPiece()) {
        pipeline.chunkIntake(piece);
        runUntilIdle();
        std::fflush(stdout);
    }
    return 0;
}

// Throughput of pipeline and dispatcher alone, fed in chunks of 4096 bytes unless told.
int bench(const Options& options, const QByteArray& input)
{
    constexpr qsizetype Target = 64 * 1024 * 1024;
    NullReceivers receivers;
    const TraceLog trace(false);
    SessionLog log;
    SessionPipeline pipeline(receivers.receivers(), trace, log);
    qsizetype fed = 0;
    QElapsedTimer timer;
    timer.start();
    while (fed < Target && !input.isEmpty()) {
        feed(pipeline, input, options.chunk > 0 ? options.chunk : 4096);
        fed += input.size();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%.1f MB/s (%lld bytes in %.3f s)\n", double(fed) / 1e6 / seconds,
                static_cast<long long>(fed), seconds);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Feeds a raw server capture through the session pipeline and prints "
                       "one JSON object per event."));
    parser.addHelpOption();
    const QCommandLineOption chunkOption(QStringLiteral("chunk"),
                                         QStringLiteral("Cut the input into chunks of N bytes."),
                                         QStringLiteral("N"));
    const QCommandLineOption readyOption(QStringLiteral("ready"),
                                         QStringLiteral("Start with the login complete."));
    const QCommandLineOption tabOption(QStringLiteral("tab"),
                                       QStringLiteral("The selected list tab (default 2)."),
                                       QStringLiteral("N"), QStringLiteral("2"));
    const QCommandLineOption protocolOption(QStringLiteral("protocol"),
                                            QStringLiteral("fics (default) or icc."),
                                            QStringLiteral("fics|icc"), QStringLiteral("fics"));
    const QCommandLineOption benchOption(QStringLiteral("bench"),
                                         QStringLiteral("Print the throughput in MB/s."));
    parser.addOptions({chunkOption, readyOption, tabOption, protocolOption, benchOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Capture file, or -."));
    parser.process(app);

    Options options;
    bool ok = true;
    if (parser.isSet(chunkOption)) {
        options.chunk = parser.value(chunkOption).toLongLong(&ok);
        if (!ok || options.chunk < 1) {
            std::fprintf(stderr, "--chunk needs a positive number\n");
            return 2;
        }
    }
    options.tab = parser.value(tabOption).toInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "--tab needs a number\n");
        return 2;
    }
    const QString protocol = parser.value(protocolOption).toLower();
    if (protocol != QLatin1String("fics") && protocol != QLatin1String("icc")) {
        std::fprintf(stderr, "--protocol must be fics or icc\n");
        return 2;
    }
    options.protocol = protocol == QLatin1String("icc") ? ServerProtocol::Icc : ServerProtocol::Fics;
    options.ready = parser.isSet(readyOption);
    options.bench = parser.isSet(benchOption);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "Give one capture file, or - for standard input.\n%s",
                     qPrintable(parser.helpText()));
        return 2;
    }
    options.file = parser.positionalArguments().constFirst();

    QFile file;
    // Unbuffered: a piece is replayed as soon as it has been fed, not when a buffer fills.
    const QIODevice::OpenMode mode = QIODevice::ReadOnly | QIODevice::Unbuffered;
    const bool opened =
        options.file == QLatin1String("-")
            ? file.open(fileno(stdin), mode, QFileDevice::DontCloseHandle)
            : (file.setFileName(options.file), file.open(mode));
    if (!opened) {
        std::fprintf(stderr, "Cannot read %s: %s\n", qPrintable(options.file),
                     qPrintable(file.errorString()));
        return 1;
    }
    if (options.bench)
        return bench(options, file.readAll());
    if (options.chunk > 0)
        return replay(options, [&] { return readPiece(file, options.chunk); });
    bool whole = true;
    return replay(options, [&] { return std::exchange(whole, false) ? file.readAll() : QByteArray(); });
}
