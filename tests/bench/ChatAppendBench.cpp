// Hands chat lines to the main chat window (a real TfrmChat on the offscreen
// platform, filter "everything"), with the window shown and hidden, and
// reports:
// "flood": 20,000 lines in chunks of 5 with the event loop run after each
//   chunk, as fast as they come; lines per second until the pane shows the last.
// "paced": 1,500 lines, a chunk of 5 every 16 ms as from a busy server; the
//   process CPU time per line, which is what the window costs the client.
// No speed is asserted: the figures are for comparing builds, run by turns on
// the same machine.
//
// Figures (RelWithDebInfo, Qt 6.4 offscreen, shared two-core machine, median
// of three runs by turns; noisy):
//                         each line its own edit,    lines gathered, one edit
//                         caption every line         a frame, caption when changed
//   flood shown           8,800 lines/s              342,000 lines/s
//   flood hidden          123,000 lines/s            388,000 lines/s
//   paced shown           276 us CPU a line          86 us CPU a line
//   paced hidden          60 us CPU a line           39 us CPU a line
// (paced CPU includes the event loop's waking for every chunk.)
// The load harness at 20 KB/s (boards view, chat window hidden, medians of
// three runs taken one after the other): client 3.30 -> 2.75 CPU-s per MB,
// X server 0.42 -> 0.39.
#include "chat/ChatFilter.h"
#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ui/ChatPane.h"
#include "chat/ui/TfrmChat.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

struct SampleLine
{
    QByteArray text;
    QByteArray speaker;
    TextKind kind;
    QByteArray other;
};

// Tells, channel tells, says and shouts, a link in one line of six.
QList<SampleLine> sampleLines()
{
    return {
        {"Quenby tells you: are you ready for a game?", "QUENBY", TextKind::Tell, "TELLS"},
        {"Anna(TM)(4): anyone for bughouse tonight?", "ANNA", TextKind::ChannelTell, "4"},
        {"--> bob is looking for a partner", "BOB", TextKind::Shout, ""},
        {"dave(50): see http://www.freechess.org/Help/index.html for help", "DAVE",
         TextKind::ChannelTell, "50"},
        {"eve says: good luck", "EVE", TextKind::Say, "SAYS"},
        {"frank(1800)[42] kibitzes: nice move", "FRANK", TextKind::Kibitz, "42"},
    };
}

void runEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Cost
{
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

Cost run(TfrmChat& chat, int count, int chunkPause)
{
    const QList<SampleLine> lines = sampleLines();
    constexpr int Chunk = 5;
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < count; ++i) {
        const SampleLine& line = lines.at(i % lines.size());
        chat.takeLine(line.text + " #" + QByteArray::number(i), line.speaker, line.kind,
                      line.other);
        if ((i + 1) % Chunk == 0) {
            QApplication::processEvents();
            if (chunkPause > 0)
                runEventsFor(chunkPause);
        }
    }
    // A shown pane is done when it shows the last line; a hidden one keeps its lines
    // waiting and is done when its caption counts them all.
    const QString last = QStringLiteral(" #%1\n").arg(count - 1);
    const QString allUnread = QStringLiteral("(%1) ").arg(count);
    const auto done = [&] {
        return chat.isVisible() ? chat.memOut->toPlainText().endsWith(last)
                                : chat.windowTitle().startsWith(allUnread);
    };
    const QDeadlineTimer patience(30000);
    while (!done() && !patience.hasExpired())
        runEventsFor(1);
    return {double(timer.nsecsElapsed()) / 1e9,
            double(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CustomFontList custom;
    KindFonts fonts(custom);
    struct Mode
    {
        const char* name;
        int count;
        int chunkPause;
    };
    for (const Mode mode : {Mode{"flood", 20000, 0}, Mode{"paced", 1500, 16}}) {
        for (const bool shown : {true, false}) {
            TfrmChat chat(fonts, ChatFilter::everything());
            chat.setBaseCaption(QStringLiteral("Chat"));
            chat.resize(600, 400);
            if (shown)
                chat.show();
            QApplication::processEvents();
            const Cost cost = run(chat, mode.count, mode.chunkPause);
            std::printf("%s %-6s %5d lines in %6.3f s: %7.0f lines/s, %5.1f us CPU a line "
                        "(%d lines kept, caption \"%s\")\n",
                        mode.name, shown ? "shown" : "hidden", mode.count, cost.wallSeconds,
                        mode.count / cost.wallSeconds, cost.cpuSeconds * 1e6 / mode.count,
                        chat.memOut->lineCount(), qPrintable(chat.windowTitle()));
        }
    }
    return 0;
}
