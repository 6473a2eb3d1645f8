#pragma once

#include "lists/GameListKind.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What one game list window holds: its rows, cut from a reply by fixed
// character columns, and the owner of the list. The commands its buttons send
// are built here from those values, which are server text: handles and numbers
// that are not plain handles or numbers are left out of commands.
//
//   reply := [title line] [other lines] game line*
//   title := ... "Stored games for" | "Journal for " | "History for" ... handle ":"
class GameListState
{
public:
    using Row = QStringList; // caption, then one cell per further column

    explicit GameListState(GameListKind::Id kind);

    const GameListKind& kind() const { return m_kind; }
    const QString& caption() const { return m_caption; }
    const QString& owner() const { return m_owner; }
    const QList<Row>& rows() const { return m_rows; }

    // Replaces the rows; a title line sets the owner and the caption. Returns
    // true when a title was read.
    bool fill(const QList<QByteArray>& lines);

    // Values of a row (-1 or a blank row: empty).
    QString number(int row) const;
    QString opponent(int row) const;

    // "message adjudicate White Black" for a stored game, the white player first.
    QString adjudicateLabel(int row) const;

    // The request for a handle's list: "iset block 1^101 Stored alice^999 iset block 0".
    QString requestFor(const QString& handle) const;

private:
    void resetRows();
    Row cutRow(const QString& line) const;
    QString cell(int row, int column) const;

    const GameListKind& m_kind;
    QString m_caption;
    QString m_owner;
    QList<Row> m_rows;
};
