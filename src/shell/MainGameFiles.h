#pragma once

#include "games/Style12Record.h"

#include <QList>
#include <QObject>

class BoardGame;
class TfrmMainChess;

// The File menu's game files: "&Load" into a board for review, "&Save" and "&Export PGN" of the active board's game, the
// automatic-save menu, and the automatic saving of a game the user played when it ends.
class MainGameFiles : public QObject
{
    Q_OBJECT

public:
    explicit MainGameFiles(TfrmMainChess& window);

    // At a played game's end, after its result is known. A failed save is reported in the
    // terminal and never stops the rest of the game's end.
    void gameFinished(const BoardGame& game);

    static QList<Style12Record> recordsOf(const BoardGame& game);

    // "&Load" once a file is chosen. A file that cannot be read, a cut end and repaired
    // records are told in message boxes.
    void loadGameFile(const QString& path);

private:
    void load();
    void save();
    void exportPgn();
    void choosePgnFile(bool checked);
    const BoardGame* activeGame() const;
    QString proposedName(const BoardGame& game, const QString& extension) const;
    void report(const QString& text);

    TfrmMainChess& m_window;
};
