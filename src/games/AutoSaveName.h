#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Names of the files a finished game is saved to without asking. The player names come from
// the server: only letters, digits, "-" and "_" are kept (anything else becomes "_"), so that
// no name can reach another folder or replace a file that is not a game file.
namespace AutoSaveName {

QString safeHandle(const QByteArray& handle);

// "yyyy-mm-dd_hh:mm:ss_White_Black.ql", in the current folder.
QString ownFormat(const QDateTime& when, const QByteArray& white, const QByteArray& black);

} // namespace AutoSaveName
