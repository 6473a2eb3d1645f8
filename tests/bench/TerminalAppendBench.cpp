// Appends typical server lines to the terminal on the offscreen platform and
// reports lines per second. Target: at least 40,000 lines per second.
//
// "per frame": 10,000 lines in chunks of 5, each chunk followed by a frame
// (its lines go into the document and the pane repaints what changed), the
// worst case for a terminal that shows its lines once per frame.
// "at 40,000/s": lines as they come when the server sends 40,000 a second: the
// pane shows what gathered at each of its updates (fifteen frames apart while
// text keeps coming, 240 ms), so an update brings about 9,600 lines and the
// cut keeps the newest 1000.
// "flood": 100,000 lines in one chunk, then one frame: the lines that the
// 1000-line cut drops before they are shown cost only their queueing.
// "resize": a window edge dragged over twenty widths; each lays every kept line
// out again (2.6 ms a width for 900 lines here, well inside a frame).
// Run under `valgrind --tool=callgrind` for instruction counts that a busy
// machine does not disturb.
//
// Figures (callgrind, instructions per line, Qt 6.4 offscreen):
//   one document edit and one layout per line, as the terminal was built
//   before (10,000 lines back to back, one repaint at the end): 479,000
//   per frame, 5 lines an update with its repaint:                461,000
//     (layout of the new lines 145,000, repaint of what moved 215,000)
//   per frame, lines keep their shaped glyphs, fixed direction:   379,000
//     (layout 135,000, drawing the new lines 121,000 of which blending the
//     glyphs 82,000, moving the old pixels up 41,000); wall clock on the
//     shared two-core machine, runs taking turns: 15,500 -> 16,800 lines/s
//   flood, 100,000 lines, one update:                              2,300
//   the pane paints its own lines (one QTextLayout per line, no text
//   document), links found in one pass: the whole run from 5.01 to 3.28
//   billion instructions; wall clock, runs taking turns with the build
//   before: per frame 26,600-28,600 -> 43,500-44,700 lines/s, at
//   40,000/s 435,000-448,000 -> 735,000-748,000
// The load harness at 20 KB/s of server text went from 3.03 CPU-s per MB in
// the client and 1.33 in the X server to 1.28 and 0.35; 20 MB as fast as read
// from 0.72 and 0.51 to 0.31 and 0.04 (medians of three runs). The chat
// window now takes every chat line too: with its pop-ups off, 20 KB/s of text
// costs 2.9-3.1 CPU-s per MB in the client and 0.5 in the X server, of which
// the terminal's updates and paints are about a fifth (perf profile).
#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ScrollLock.h"
#include "chat/ui/TerminalView.h"
#include "widgets/FramePace.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

struct SampleLine
{
    QByteArray text;
    TextKind kind;
    QByteArray key;
};

// Mixed kinds, custom-font speakers, and a link in one line of ten.
QList<SampleLine> sampleLines()
{
    return {
        {"Quenby tells you: are you ready for a game?\r\n", TextKind::Tell, "QUENBY"},
        {"Anna(TM)(4): anyone for bughouse tonight?\r\n", TextKind::ChannelTell, "Anna(TM)(4)"},
        {"--> bob is looking for a partner\r\n", TextKind::Shout, "BOB"},
        {"Game 42 (alice vs. bob) Creating rated blitz match.\r\n", TextKind::GameInfo, ""},
        {"Notification: carol has arrived.\r\n", TextKind::Notifications, ""},
        {"dave(50): see http://www.freechess.org/Help/index.html for help\r\n",
         TextKind::ChannelTell, "dave(50)"},
        {"eve says: good luck\r\n", TextKind::Say, "EVE"},
        {"frank(1800)[42] kibitzes: nice move\r\n", TextKind::Kibitz, "FRANK(1800)[42]"},
        {"Challenge: gina (1500) you (1600) rated blitz 5 0.\r\n", TextKind::Requests, ""},
        {"  1 2300 hank      3  12 rated   blitz   [white]  0-9999 m\r\n", TextKind::Normal, ""},
    };
}

void report(const char* name, int count, const QElapsedTimer& timer, const TerminalView& terminal)
{
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%-11s %6d lines in %.3f s: %.0f lines/s (%d lines kept)\n", name, count, seconds,
                count / seconds, terminal.lineCount());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CustomFontList custom;
    KindFonts fonts(custom);
    ScrollLock scrollLock;
    TerminalView terminal(fonts, scrollLock);
    terminal.resize(900, 600);
    terminal.show();
    QApplication::processEvents();

    const QList<SampleLine> lines = sampleLines();
    const auto feed = [&](int count, int chunk) {
        for (int i = 0; i < count; ++i) {
            const SampleLine& line = lines.at(i % lines.size());
            if (i % chunk == 0)
                terminal.terminalUpkeep();
            terminal.appendToTerminal(line.text, line.kind, line.key);
            if ((i + 1) % chunk == 0 || i + 1 == count) {
                terminal.showPendingLines();
                QApplication::processEvents();
            }
        }
    };

    constexpr int PerFrameCount = 10000;
    QElapsedTimer timer;
    timer.start();
    feed(PerFrameCount, 5);
    report("per frame", PerFrameCount, timer, terminal);

    // Lines that arrive at 40,000 a second between two updates of the pane.
    constexpr int PacedRate = 40000;
    constexpr int PacedChunk =
        PacedRate * FramePace::BusyTurnFrames * FramePace::Milliseconds / 1000;
    constexpr int PacedCount = 40000;
    timer.start();
    feed(PacedCount, PacedChunk);
    report("at 40,000/s", PacedCount, timer, terminal);

    constexpr int FloodCount = 100000;
    timer.start();
    feed(FloodCount, FloodCount);
    report("flood", FloodCount, timer, terminal);

    // A window edge dragged: every width lays the kept lines out again.
    constexpr int Widths = 20;
    timer.start();
    for (int step = 0; step < Widths; ++step) {
        terminal.resize(900 - 10 * (step + 1), 600);
        QApplication::processEvents();
    }
    std::printf("%-11s %6d widths in %.3f s: %.1f ms a width (%d lines kept)\n", "resize", Widths,
                double(timer.nsecsElapsed()) / 1e9, double(timer.nsecsElapsed()) / 1e6 / Widths,
                terminal.lineCount());
    return 0;
}
