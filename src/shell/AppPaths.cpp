#include "shell/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppPaths {

namespace {

QString madeFolder(const QString& path)
{
    if (path.isEmpty() || !QDir().mkpath(path))
        return QString();
    QString absolute = QDir(path).absolutePath();
    if (!absolute.endsWith(u'/'))
        absolute += u'/';
    return absolute;
}

} // namespace

QString programDirectory(const QString& override, const QString& executableDirectory)
{
    if (!override.isEmpty())
        return madeFolder(override);
    if (!executableDirectory.isEmpty() && QFileInfo(executableDirectory).isWritable())
        return madeFolder(executableDirectory);
    return madeFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/tolvaris"));
}

} // namespace AppPaths
