#pragma once

#include <QByteArray>
#include <QList>

class FakeFicsServer;

// The practice server's lists about a player, in the public server's column layouts:
// "history" and "stored" from the games of this run, "journal" canned for the registered
// accounts (the real server keeps it in its files), "variables" from the session's
// settings, "finger" from the session and its finished games.
namespace PlayerLists {

QList<QByteArray> history(FakeFicsServer& server, const QByteArray& handle);
QList<QByteArray> stored(FakeFicsServer& server, const QByteArray& handle);
QList<QByteArray> journal(FakeFicsServer& server, const QByteArray& handle);
QList<QByteArray> variables(FakeFicsServer& server, const QByteArray& handle);
QList<QByteArray> finger(FakeFicsServer& server, const QByteArray& handle);

} // namespace PlayerLists
