#include "ficsim/FakeFicsScript.h"

#include "ficsim/FakeFicsServer.h"

#include <QList>
#include <QPointer>
#include <QTimer>

namespace FakeFicsScript {

namespace {

struct Section
{
    QByteArray keyword;
    QByteArray argument;
    QList<QByteArray> lines;
};

void schedulePush(FakeFicsServer& server, int milliseconds, const QList<QByteArray>& lines)
{
    QObject::connect(&server, &FakeFicsServer::loggedIn, &server,
                     [&server, milliseconds, lines](const QByteArray& handle) {
                         QPointer<FakeFicsServer> alive(&server);
                         QTimer::singleShot(milliseconds, &server, [alive, handle, lines] {
                             if (alive)
                                 alive->pushTo(handle, lines);
                         });
                     });
}

} // namespace

bool apply(const QByteArray& script, FakeFicsServer& server, QString* error)
{
    QList<Section> sections;
    bool open = false;
    int number = 0;
    for (QByteArray line : script.split('\n')) {
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        if (open) {
            if (line.trimmed() == "end")
                open = false;
            else
                sections.last().lines << line;
            continue;
        }
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const int space = trimmed.indexOf(' ');
        const QByteArray keyword = space < 0 ? trimmed : trimmed.left(space);
        const QByteArray argument = space < 0 ? QByteArray() : trimmed.mid(space + 1).trimmed();
        bool secondsOk = true;
        if (keyword == "push")
            argument.toDouble(&secondsOk);
        if ((keyword != "on" && keyword != "push") || argument.isEmpty() || !secondsOk) {
            *error = QStringLiteral("line %1: expected \"on <command>\" or \"push <seconds>\"")
                         .arg(number);
            return false;
        }
        sections.append({keyword, argument, {}});
        open = true;
    }
    if (open) {
        *error = QStringLiteral("the last section has no \"end\"");
        return false;
    }
    for (const Section& section : std::as_const(sections)) {
        if (section.keyword == "on")
            server.addCue(section.argument, section.lines);
        else
            schedulePush(server, int(section.argument.toDouble() * 1000), section.lines);
    }
    return true;
}

} // namespace FakeFicsScript
