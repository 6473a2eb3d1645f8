#include "shell/CommandLineOptions.h"

#include "settings/ProductName.h"

#include <QCommandLineParser>

CommandLineOptions CommandLineOptions::parse(const QStringList& arguments,
                                             const QString& homeVariable)
{
    QCommandLineParser parser;
    const QCommandLineOption settingsDir(QStringLiteral("settings-dir"), QString(),
                                         QStringLiteral("DIR"));
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption connectAtStart(QStringLiteral("connect"));
    const QCommandLineOption profile(QStringLiteral("profile"), QString(), QStringLiteral("NAME"));
    parser.addOptions({settingsDir, version, help, connectAtStart, profile});

    CommandLineOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("Unexpected argument '%1'.")
                            .arg(parser.positionalArguments().constFirst());
        return options;
    }
    options.showVersion = parser.isSet(version);
    options.showHelp = parser.isSet(help);
    options.connectAtStart = parser.isSet(connectAtStart);
    options.profile = parser.value(profile).trimmed();
    if (parser.isSet(profile) && options.profile.isEmpty()) {
        options.error = QStringLiteral("--profile needs a profile name.");
        return options;
    }
    options.settingsDirectory =
        parser.isSet(settingsDir) ? parser.value(settingsDir) : homeVariable;
    return options;
}

QString CommandLineOptions::versionText()
{
    return ProductName + QLatin1Char('\n');
}

QString CommandLineOptions::helpText()
{
    return QStringLiteral(
        "Usage: tolvaris [--settings-dir DIR] [--profile NAME] [--connect] [--version] [--help]\n"
        "A graphical client for the Free Internet Chess Server.\n\n"
        "  --settings-dir DIR  keep settings, profiles and trace files in DIR\n"
        "                      (also the environment variable TOLVARIS_HOME)\n"
        "  --profile NAME      use that profile without the profile dialog (its\n"
        "                      password is still asked for when it has one)\n"
        "  --connect           connect at start with the connection entry used last,\n"
        "                      without showing the connection dialog\n"
        "  --version           print the version and exit\n"
        "  --help              print this help and exit\n\n"
        "Without a settings folder the program's own folder is used when it is\n"
        "writable, otherwise ~/.config/tolvaris/.\n");
}
