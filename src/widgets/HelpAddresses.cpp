#include "widgets/HelpAddresses.h"

#include <QFileInfo>

namespace HelpAddresses {

QString webPage(int tag)
{
    switch (tag) {
    case 0:
        return FicsServer;
    case 1:
        return IccServer;
    default:
        return ProjectHome;
    }
}

QString userGuide(const QString& executableDirectory)
{
    for (const char* relative : {"/docs/guide/index.html", "/../share/tolvaris/guide/index.html",
                                 "/../docs/guide/index.html", "/../../docs/guide/index.html"}) {
        const QFileInfo candidate(executableDirectory + QLatin1String(relative));
        if (candidate.isFile())
            return candidate.canonicalFilePath();
    }
    return QString();
}

} // namespace HelpAddresses
