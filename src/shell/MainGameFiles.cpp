#include "shell/MainGameFiles.h"

#include "chat/ui/TerminalView.h"
#include "games/AutoSaveName.h"
#include "games/BoardGame.h"
#include "games/BoardManager.h"
#include "games/ManagedBoard.h"
#include "games/PgnExport.h"
#include "games/QlGameFile.h"
#include "shell/MainBoards.h"
#include "shell/TfrmMainChess.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>

namespace {

const QString QlFilter = QStringLiteral("Quodlin Files (*.ql)");
const QString PgnFilter = QStringLiteral("PGN Files (*.pgn)");

QString withExtension(QString path, const QString& extension)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + extension;
    return path;
}

} // namespace

MainGameFiles::MainGameFiles(TfrmMainChess& window) : QObject(&window), m_window(window)
{
    MainMenus& menus = window.menus;
    for (QAction* item : {menus.mnuLoad, menus.mnuSave, menus.mnuExportPGN, menus.mnuAutoSaveQL,
                          menus.mnuAutoSavePGN})
        item->setEnabled(true);
    connect(menus.mnuLoad, &QAction::triggered, this, &MainGameFiles::load);
    connect(menus.mnuSave, &QAction::triggered, this, &MainGameFiles::save);
    connect(menus.mnuExportPGN, &QAction::triggered, this, &MainGameFiles::exportPgn);
    // Unchecking needs no file; checking asks for the file first and stays unchecked on cancel.
    connect(menus.mnuAutoSavePGN, &QAction::triggered, this, &MainGameFiles::choosePgnFile);
}

QList<Style12Record> MainGameFiles::recordsOf(const BoardGame& game)
{
    QList<Style12Record> records;
    for (const MoveList::Item& item : game.moveList().items())
        records.append(item.record);
    return records;
}

const BoardGame* MainGameFiles::activeGame() const
{
    ManagedBoard* board = m_window.boards().manager().activeBoard();
    if (!board || board->game().moveList().isEmpty())
        return nullptr;
    return &board->game();
}

QString MainGameFiles::proposedName(const BoardGame& game, const QString& extension) const
{
    const Style12Record& current = game.current();
    return AutoSaveName::safeHandle(current.WhiteName.value()) + u'_' +
           AutoSaveName::safeHandle(current.BlackName.value()) + u'.' + extension;
}

void MainGameFiles::load()
{
    const QString path = QFileDialog::getOpenFileName(&m_window, QString(), QString(), QlFilter);
    if (!path.isEmpty())
        loadGameFile(path);
}

void MainGameFiles::loadGameFile(const QString& path)
{
    const QlGameFile::Loaded loaded = QlGameFile::load(path);
    if (!loaded.error.isEmpty()) {
        QMessageBox::warning(&m_window, QString(),
                             QStringLiteral("%1 could not be loaded: %2").arg(path, loaded.error));
        return;
    }
    if (!m_window.boards().manager().LoadGameFile(loaded.records))
        return;
    QStringList notes;
    if (loaded.ignoredBytes > 0)
        notes << QStringLiteral("The file ends in a cut record: %1 bytes after the last whole "
                                "record were ignored.")
                     .arg(loaded.ignoredBytes);
    if (loaded.repairedRecords > 0)
        notes << QStringLiteral("%1 records held values out of range and were repaired.")
                     .arg(loaded.repairedRecords);
    if (!notes.isEmpty())
        QMessageBox::warning(&m_window, QString(), notes.join(u'\n'));
}

void MainGameFiles::save()
{
    const BoardGame* game = activeGame();
    if (!game)
        return;
    const QString path = QFileDialog::getSaveFileName(&m_window, QString(),
                                                      proposedName(*game, "ql"), QlFilter);
    if (path.isEmpty())
        return;
    QString error;
    if (!QlGameFile::save(recordsOf(*game), withExtension(path, "ql"), &error))
        QMessageBox::warning(&m_window, QString(), error);
}

void MainGameFiles::exportPgn()
{
    const BoardGame* game = activeGame();
    if (!game)
        return;
    const QString path = QFileDialog::getSaveFileName(&m_window, QString(),
                                                      proposedName(*game, "pgn"), PgnFilter);
    if (path.isEmpty())
        return;
    QString error;
    if (!PgnExport::append(withExtension(path, "pgn"), recordsOf(*game), game->GameResult(),
                           QDate::currentDate(), &error))
        QMessageBox::warning(&m_window, QString(), error);
}

void MainGameFiles::choosePgnFile(bool checked)
{
    if (!checked)
        return;
    m_window.menus.mnuAutoSavePGN->setChecked(false);
    const QString path = QFileDialog::getSaveFileName(
        &m_window, QString(), QStringLiteral("Autosave.pgn"), PgnFilter, nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    m_window.m_record.pgnFile = withExtension(path, "pgn");
    m_window.menus.mnuAutoSavePGN->setChecked(true);
}

void MainGameFiles::gameFinished(const BoardGame& game)
{
    const QList<Style12Record> records = recordsOf(game);
    if (records.isEmpty())
        return;
    const Style12Record& current = game.current();
    QString error;
    if (m_window.menus.mnuAutoSaveQL->isChecked()) {
        const QString name = AutoSaveName::ownFormat(QDateTime::currentDateTime(),
                                                     current.WhiteName.value(),
                                                     current.BlackName.value());
        if (!QlGameFile::save(records, name, &error))
            report(QStringLiteral("The game could not be saved to %1: %2").arg(name, error));
    }
    if (m_window.menus.mnuAutoSavePGN->isChecked()) {
        const QString file = m_window.m_record.pgnFile;
        if (!PgnExport::append(file, records, game.GameResult(), QDate::currentDate(), &error))
            report(QStringLiteral("The game could not be added to %1: %2").arg(file, error));
    }
}

void MainGameFiles::report(const QString& text)
{
    m_window.memTerminal->appendLine(text, TextKind::Notifications);
}
