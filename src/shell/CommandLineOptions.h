#pragma once

#include <QStringList>

// What the command line asks for. Parsed before any window exists, so that
// --version and --help work without a display.
struct CommandLineOptions
{
    QString settingsDirectory; // --settings-dir DIR, else TOLVARIS_HOME, else empty
    bool showVersion = false;
    bool showHelp = false;
    bool connectAtStart = false; // --connect: the last-used entry, without the dialog
    QString profile;             // --profile NAME: that profile, without the profile dialog
    QString error;               // an unknown option or a missing value

    static CommandLineOptions parse(const QStringList& arguments, const QString& homeVariable);
    static QString helpText();
    static QString versionText();
};
