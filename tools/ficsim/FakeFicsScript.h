#pragma once

#include <QByteArray>
#include <QString>

class FakeFicsServer;

// Scripted behaviour for the fake server, from a small text format:
//
//   # a comment
//   on <command>        the command (any letter case) is answered with the lines up to "end"
//   ...
//   end
//   push <seconds>      the lines up to "end" reach each user that long after the login
//   ...
//   end
namespace FakeFicsScript {

bool apply(const QByteArray& script, FakeFicsServer& server, QString* error);

} // namespace FakeFicsScript
