// Throughput of the whole road of a server line to four boards: the load harness's dump
// (blaster.py --dump FILE) fed in 4096-byte chunks through the session pipeline into the
// board manager with four real, shown board windows (offscreen). Events are processed
// after every chunk, so boards draw as they would in the client. Prints MB/s for each of
// three runs and the median, by the wall clock and per second of the process's CPU time
// (on a shared, loaded machine the second is the steadier figure).
// Usage: BoardManagerBench DUMPFILE
#include "games/BoardHost.h"
#include "games/BoardManager.h"
#include "games/ui/TChessBoard.h"
#include "games/ui/TfrmBoard.h"
#include "session/NullReceivers.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/TraceLog.h"
#include "settings/MainSettingsKeys.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// Docks the boards in one window, two by two, as the Boards tab does, with the client's
// profile for several boards (move list, 3D and piece set as the settings give them).
class BenchHost : public BoardHost
{
public:
    explicit BenchHost(SoundSink& sounds) : m_sounds(sounds)
    {
        m_panel.resize(1200, 900);
        m_grid = new QGridLayout(&m_panel);
        m_panel.show();
    }
    ManagedBoard* createBoard(int slot) override
    {
        auto* board = new TfrmBoard(m_sounds, &m_panel);
        board->setDocked(true);
        board->SetMoveListShown(MainSettings::ShowMoveListMulti.byDefault);
        board->chsBoard->setF3d(MainSettings::Board3DMulti.byDefault);
        board->chsBoard->setPieceSet(MainSettings::PieceSetMulti.byDefault);
        m_grid->addWidget(board, slot / 2, slot % 2);
        board->show();
        return board;
    }
    void destroyBoard(ManagedBoard* board) override { delete static_cast<TfrmBoard*>(board); }
    void hideBoard(ManagedBoard*) override {}
    void arrangeBoards(int) override {}
    void boardCountChanged(int, int) override {}
    void showBoardsTab() override {}
    void boardLimitReached(int) override {}
    void showGamePanels(ButtonPanel) override {}
    void showGameOver(const QString&, const QString&) override {}
    void gameFinished(const BoardGame&) override {}
    void promotionRequested() override {}

private:
    SoundSink& m_sounds;
    QWidget m_panel;
    QGridLayout* m_grid;
};

struct Rates
{
    double wall = 0;
    double cpu = 0;
};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

Rates run(const QByteArray& stream)
{
    constexpr qsizetype Chunk = 4096;
    NullReceivers others;
    BenchHost host(others);
    BoardManager boards(host, others, others, others);
    boards.start();
    SessionReceivers receivers = others.receivers();
    SessionReceivers withBoards{receivers.terminal, receivers.login,  boards,
                                receivers.chat,     receivers.sounds, receivers.listPane,
                                receivers.commands, receivers.replyWindows};
    const TraceLog trace(false);
    SessionLog log;
    SessionPipeline pipeline(withBoards, trace, log);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = processCpuSeconds();
    for (qsizetype at = 0; at < stream.size(); at += Chunk) {
        pipeline.chunkIntake(stream.mid(at, Chunk));
        QCoreApplication::processEvents();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpuSeconds = processCpuSeconds() - cpuStart;
    std::printf("  boards open: %d\n", boards.LastIndex() + 1);
    const double megabytes = double(stream.size()) / 1e6;
    return {megabytes / seconds, megabytes / cpuSeconds};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DUMPFILE (from blaster.py --dump)\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const QByteArray stream = file.readAll();
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < 3; ++i) {
        const Rates rates = run(stream);
        wall.push_back(rates.wall);
        cpu.push_back(rates.cpu);
        std::printf("run %d: %.1f MB/s, %.1f MB per CPU-second\n", i + 1, rates.wall, rates.cpu);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("median: %.1f MB/s, %.1f MB per CPU-second over %.1f MB\n", wall[1], cpu[1],
                double(stream.size()) / 1e6);
    return 0;
}
