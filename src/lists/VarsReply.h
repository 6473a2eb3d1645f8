#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The reply to "vars", cut into what the variables window shows.
//
//   Variable settings of Handle:
//      time=2      inc=12     private=0  ...      (name=value words)
//      Interface: "Tolvaris 2.0 Quarndell"           (name: value lines)
//    f1: blitz
//   \continuation of the line before
struct VarsReply
{
    QString handle;    // empty when the reply has no "Variable settings of" line
    bool hasInterface = false;
    QString interface;
    // Variable name and value, in reply order; names as the server writes them.
    QList<QPair<QString, QString>> values;

    static VarsReply parse(const QList<QByteArray>& lines);

    // Continuation lines (starting with "\") joined to the line before; empty lines dropped.
    static QList<QByteArray> joinContinuations(const QList<QByteArray>& lines);
};
