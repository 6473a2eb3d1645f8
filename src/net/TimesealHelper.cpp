#include "net/TimesealHelper.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace TimesealHelper {

namespace {

QString searchFolder(ServerProtocol protocol, const QString& programFolder)
{
    const bool known = protocol == ServerProtocol::Fics || protocol == ServerProtocol::Icc;
    return known ? programFolder : QDir::currentPath();
}

bool isProgram(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString programName(ServerProtocol protocol)
{
#ifdef Q_OS_WIN
    return protocol == ServerProtocol::Icc ? QStringLiteral("Timestamp.exe")
                                           : QStringLiteral("Timeseal.exe");
#else
    return protocol == ServerProtocol::Icc ? QStringLiteral("timestamp")
                                           : QStringLiteral("timeseal");
#endif
}

QString expectedPath(ServerProtocol protocol, const QString& programFolder)
{
    return QDir(searchFolder(protocol, programFolder)).absoluteFilePath(programName(protocol));
}

QString find(ServerProtocol protocol, const QString& programFolder)
{
    const QString beside = expectedPath(protocol, programFolder);
    if (isProgram(beside))
        return beside;
    return QStandardPaths::findExecutable(programName(protocol));
}

QString missingMessage(ServerProtocol protocol, const QString& programFolder)
{
    const QString kind =
        protocol == ServerProtocol::Icc ? QStringLiteral("Timestamp") : QStringLiteral("Timeseal");
    return kind + QStringLiteral(" executable file ") + expectedPath(protocol, programFolder) +
           QStringLiteral(" does not exist. Cannot use timeseal. \r\n"
                          "Please uncheck timseal check box, and try again.");
}

QStringList arguments(const QString& address, const QString& port)
{
    return {address, port, QStringLiteral("-p"), RelayPort};
}

bool start(const QString& program, const QString& address, const QString& port)
{
    return QProcess::startDetached(program, arguments(address, port));
}

} // namespace TimesealHelper
