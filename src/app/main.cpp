#include "app/appwindows.h"
#include "app/commandline.h"
#include "app/configuration.h"
#include "app/tt_zunov.h"
#include "link/portlist.h"
#include "platform/application.h"

#include <QTextStream>
#include <cstdlib>

namespace {

QStringList argumentsAfterProgramName(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Without any of these the toolkit aborts with a message about its platform
// plug-in; a plain line says more to someone who started it over ssh.
bool hasDisplay(const QStringList &arguments)
{
    for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return arguments.contains(QStringLiteral("-platform"));
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = argumentsAfterProgramName(argc, argv);

    // These answer on the terminal and need no display.
    const CommandLine terminal = parseTerminalOptions(arguments);
    if (terminal.help) {
        out << commandLineHelp();
        return EXIT_SUCCESS;
    }
    if (terminal.version) {
        out << versionText() << '\n';
        return EXIT_SUCCESS;
    }
    if (terminal.listPorts) {
        out << portListText(listSerialPorts());
        return EXIT_SUCCESS;
    }
    if (!hasDisplay(arguments)) {
        err << "zunov: chybí grafický displej (proměnná DISPLAY není nastavena)\n";
        return 2;
    }

    Application app(argc, argv);
    const CommandLine options = parseCommandLine(app.arguments().mid(1));
    if (!options.error.isEmpty()) {
        err << "zunov: " << options.error << "\nNápověda: zunov --help\n";
        return 2;
    }

    Configuration configuration = readConfiguration(configurationFilePath());
    if (!options.device.isEmpty())
        configuration.device = options.device;
    AppWindows windows(configuration);
    QObject::connect(windows.mainWindow(), &TT_ZUNOV::closed, &app, &QApplication::quit);
    windows.mainWindow()->show();
    return app.exec();
}
