#pragma once

#include "games/Style12Record.h"

#include <QList>
#include <QString>

// The positions of one game as the server sent them, in ply order. A position at or
// before the last one recorded (a takeback, or going back in an examined game) first
// cuts the list back to before it, so a repeated position replaces its entry.
class MoveList
{
public:
    struct Item
    {
        Style12Record record;
        QString text;
    };

    void clear();
    // Records a position from the server.
    void record(const Style12Record& position);
    // Appends a position read from a game file: the file's order is the list's, uncut.
    void append(const Style12Record& position);

    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const Item& at(int index) const { return m_items[index]; }
    const QList<Item>& items() const { return m_items; }
    int lastPly() const { return m_lastPly; }

private:
    QList<Item> m_items;
    int m_lastPly = 0;
};
