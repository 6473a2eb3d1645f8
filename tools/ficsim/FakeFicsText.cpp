#include "ficsim/FakeFicsText.h"

namespace FakeFicsText {

QByteArray banner()
{
    return QByteArrayLiteral(
        "\n\r"
        "     ______      __                _         \n\r"
        "    /_  __/___  / /   ______ ______(_)____   \n\r"
        "     / / / __ \\/ / | / / __ `/ ___/ / ___/  \n\r"
        "    / / / /_/ / /| |/ / /_/ / /  / (__  )    \n\r"
        "   /_/  \\____/_/ |___/\\__,_/_/  /_/____/   \n\r"
        "\n\r"
        " ***** Welcome to the Tolvaris practice chess server (ficsim) *****\n\r"
        " Everything here is simulated; nothing leaves this machine.\n\r"
        "\n\r"
        "Head admin : admin   Complaints to : admin@localhost\n\r"
        "Server location: localhost   Server version : ficsim-1.0\n\r"
        "\n\r"
        "If you are not a registered player, enter a unique ID to join the server.\n\r"
        "login: ");
}

QByteArray registeredNameText(const QByteArray& name)
{
    return LineEnd + '"' + name + "\" is a registered name.  If it is yours, type the password." +
           LineEnd + "If not, just hit return to try another name." + LineEnd + LineEnd +
           PasswordPrompt;
}

QByteArray unregisteredNameText(const QByteArray& name)
{
    return LineEnd + '"' + name +
           "\" is not a registered name. You may use this name to play unrated games." + LineEnd +
           "(After logging in,do \"help register\" for more info on how to register.)" + LineEnd +
           LineEnd + "Press return to enter the FICS as \"" + name + "\":";
}

QList<QByteArray> welcome(bool newcomer)
{
    const QByteArray rule(74, '_');
    QList<QByteArray> lines{
        rule + ' ',
        "Do 'help' for a list of the commands that are available.",
        "Do 'help ficsfaq' for answers to frequently asked questions.",
        rule,
        "",
    };
    if (newcomer) {
        lines << ""
              << "Newcomers:"
              << "  type 'help intro0' for a gentle introduction."
              << "  type 'help register' to get a registered account."
              << "";
    }
    return lines;
}

QByteArray wrap(const QByteArray& line)
{
    if (line.size() <= WrapColumns || line.startsWith("<12>") || line.startsWith("<G1>") ||
        line.startsWith("<b1>"))
        return line;
    const QByteArray continuation = QByteArrayLiteral("\\   ");
    QByteArray out;
    QByteArray rest = line;
    // A continuation line's own leading spaces are no break point.
    int firstBreak = 1;
    while (rest.size() > WrapColumns) {
        int cut = rest.lastIndexOf(' ', WrapColumns);
        int next = cut + 1;
        if (cut < firstBreak) {
            cut = WrapColumns;
            next = WrapColumns;
        }
        out += rest.left(cut) + LineEnd;
        rest = continuation + rest.mid(next);
        firstBreak = continuation.size() + 1;
    }
    return out + rest;
}

QByteArray joinWrapped(const QList<QByteArray>& lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += wrap(line) + LineEnd;
    return out;
}

QByteArray block(const QByteArray& identifier, int code, const QByteArray& text)
{
    return BlockStart + identifier + BlockSeparator + QByteArray::number(code) + BlockSeparator +
           text + BlockEnd;
}

} // namespace FakeFicsText
