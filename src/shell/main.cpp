#include "shell/AppPaths.h"
#include "shell/ApplicationTitle.h"
#include "shell/ConnectionController.h"
#include "shell/CommandLineOptions.h"
#include "shell/TerminationSignals.h"
#include "shell/TfrmMainChess.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLineOptions options = CommandLineOptions::parse(
        argumentsOf(argc, argv), qEnvironmentVariable(qPrintable(AppPaths::HomeVariable)));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(options.error),
                     qPrintable(CommandLineOptions::helpText()));
        return 2;
    }
    if (options.showHelp || options.showVersion) {
        std::fputs(qPrintable(options.showHelp ? CommandLineOptions::helpText()
                                               : CommandLineOptions::versionText()),
                   stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    const QString programDirectory =
        AppPaths::programDirectory(options.settingsDirectory, QApplication::applicationDirPath());
    if (programDirectory.isEmpty() || !QDir::setCurrent(programDirectory)) {
        std::fprintf(stderr, "Cannot use the settings folder %s\n",
                     qPrintable(options.settingsDirectory));
        return 1;
    }

    // Until the window is set up (the profile dialog) a signal just cancels.
    TerminationSignals signals;
    // exit() also leaves the dialog's own event loop, which then counts as cancelled.
    QObject::connect(&signals, &TerminationSignals::terminationRequested, &app,
                     [] { QCoreApplication::exit(0); });
    TfrmMainChess window(programDirectory, options.profile);
    if (!window.isSetUp())
        return 0;
    QObject::disconnect(&signals, nullptr, &app, nullptr);
    QObject::connect(&signals, &TerminationSignals::terminationRequested, &window,
                     &TfrmMainChess::exitOnSignal);
    QObject::connect(&window, &TfrmMainChess::programEnded, &app, &QApplication::quit);
    window.show();
    if (options.connectAtStart)
        QTimer::singleShot(0, &window, [&window] { window.connection().connectAtStart(); });
    return app.exec();
}
