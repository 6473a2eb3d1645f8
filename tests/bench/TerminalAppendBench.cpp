// Appends 10,000 typical server lines to the terminal on the offscreen
// platform, with the line cut at 1000 lines, and reports lines per second.
// Target: at least 10,000 lines per second.
#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ScrollLock.h"
#include "chat/ui/TerminalView.h"

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

    const QList<SampleLine> lines = sampleLines();
    constexpr int Count = 10000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Count; ++i) {
        const SampleLine& line = lines.at(i % lines.size());
        terminal.terminalUpkeep();
        terminal.appendToTerminal(line.text, line.kind, line.key);
    }
    QApplication::processEvents();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%d lines in %.3f s: %.0f lines/s (%d lines kept)\n", Count, seconds,
                Count / seconds, terminal.lineCount());
    return 0;
}
