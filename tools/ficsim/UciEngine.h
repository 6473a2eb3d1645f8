#pragma once

#include "ficsim/MoveChooser.h"
#include "ficsim/chess/ChessPosition.h"

#include <QProcess>

// Sparring's way of playing: a chess engine that speaks UCI (such as Stockfish), run as a
// child process. The engine gets the position as FEN and a bounded think time:
//
//   > uci            < ... uciok
//   > isready        < readyok
//   > position fen <FEN>
//   > go movetime <ms>
//   < bestmove e2e4 [ponder ...]
class UciEngine : public MoveChooser
{
    Q_OBJECT

public:
    explicit UciEngine(const QString& program, QObject* parent = nullptr);
    ~UciEngine() override;

    // Starts the engine and waits for its greeting; false (with the reason) when it
    // cannot be started or does not speak UCI.
    bool start(QString* error);
    // The longest the engine may think about one move.
    void setMaxThinkMs(int ms) { m_maxThinkMs = ms; }
    void choose(const ChessPosition& position, qint64 remainingMs) override;

private:
    void onOutput();
    bool waitFor(const QByteArray& word, int timeoutMs);

    QString m_program;
    QProcess m_process;
    QByteArray m_pending;
    int m_maxThinkMs = 1000;
    std::optional<ChessPosition> m_thinkingAbout;
};
