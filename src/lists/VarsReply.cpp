#include "lists/VarsReply.h"

#include "session/CommandWord.h"

namespace {

const QByteArray TitleMarker = "Variable settings of";
constexpr int HandleWord = 3; // "Variable settings of Handle:"

QString latin1(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

bool isNoteName(const QByteArray& name)
{
    return name == "Formula" ||
           (name.size() == 2 && name[0] == 'f' && name[1] >= '1' && name[1] <= '9');
}

void readColonLine(const QByteArray& line, VarsReply& reply)
{
    if (line.contains(TitleMarker)) {
        const QList<QByteArray> words = line.simplified().split(' ');
        QByteArray handle = words.value(HandleWord);
        handle.replace(":", "");
        // A handle that could not be a handle is not shown or used.
        reply.handle = CommandWord::handle(QByteArrayView(handle));
    }
    QList<QByteArray> parts;
    for (const QByteArray& part : line.split(':'))
        if (!part.isEmpty())
            parts.append(part);
    const QByteArray name = parts.value(0).trimmed();
    const QByteArray value = parts.value(1).trimmed();
    if (isNoteName(name))
        reply.values.append({latin1(name), latin1(value)});
    else if (name == "Interface") {
        reply.hasInterface = true;
        reply.interface = latin1(value);
    }
}

void readAssignments(const QByteArray& line, VarsReply& reply)
{
    for (const QByteArray& word : line.simplified().split(' ')) {
        const qsizetype equals = word.indexOf('=');
        if (equals <= 0)
            continue;
        reply.values.append({latin1(word.left(equals)), latin1(word.mid(equals + 1).trimmed())});
    }
}

} // namespace

QList<QByteArray> VarsReply::joinContinuations(const QList<QByteArray>& lines)
{
    QList<QByteArray> joined;
    for (const QByteArray& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith('\\')) {
            if (joined.isEmpty())
                joined.append(line.mid(1));
            else
                joined.last() += line.mid(1);
        } else {
            joined.append(line);
        }
    }
    return joined;
}

VarsReply VarsReply::parse(const QList<QByteArray>& lines)
{
    VarsReply reply;
    for (const QByteArray& joined : joinContinuations(lines)) {
        const QByteArray line = joined.trimmed();
        if (line.contains(':'))
            readColonLine(line, reply);
        else if (line.contains('='))
            readAssignments(line, reply);
    }
    return reply;
}
