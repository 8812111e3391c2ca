#include "app/appwindows.h"
#include "app/displaycheck.h"
#include "app/startcheck.h"
#include "app/startfolder.h"
#include "app/tt_zunov.h"
#include "config/commandline.h"
#include "config/configuration.h"
#include "link/portlist.h"
#include "platform/application.h"
#include "platform/language.h"

#include <QFileInfo>
#include <QTextStream>
#include <cstdlib>
#include <memory>

namespace {

constexpr int WrongArgumentsStatus = 2;
constexpr int WorkFolderUnusableStatus = 1;

// Every poll repaints a few small labels. With shared-memory pictures, Qt
// waits for the X server to finish reading the last picture of an area
// before it paints there again: on Xvfb, Xephyr and Xorg alike that cost
// 10-18 % more context switches and never measurably less CPU (the figures
// are in docs/performance.md). Small pictures are as cheap sent over the
// connection itself. Whoever sets the variable has the last word.
void sendPicturesOverTheConnection()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

QStringList argumentsAfterProgramName(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = argumentsAfterProgramName(argc, argv);

    // These answer on the terminal and need no display; in the language of
    // --lang, since the settings file is in a folder not yet chosen.
    const CommandLine terminal = parseTerminalOptions(arguments);
    const bool displayMissing = !hasDisplay(arguments);
    if (terminal.help || terminal.version || terminal.listPorts || displayMissing) {
        const QCoreApplication terminalApp(argc, argv);
        if (!useLanguage(terminal.language))
            useLanguage(Language::Czech);
        if (terminal.help) {
            out << commandLineHelp();
        } else if (terminal.version) {
            out << versionText() << '\n';
        } else if (terminal.listPorts) {
            // A folder not made yet holds no links; nothing is made for a list.
            out << portListText(listSerialPorts(), listPortLinks(startFolderPath(terminal)));
        } else {
            err << QCoreApplication::translate(
                "Main", "zunov: chybí grafický displej (proměnná DISPLAY není nastavena)\n");
            return NoDisplayStatus;
        }
        return EXIT_SUCCESS;
    }

    sendPicturesOverTheConnection();
    auto displayGuard = std::make_unique<DisplayConnectionGuard>();
    Application app(argc, argv);
    displayGuard.reset();
    const CommandLine options = parseCommandLine(app.arguments().mid(1));
    if (!options.error.isEmpty()) {
        err << "zunov: " << options.error << "\nNápověda: zunov --help\n";
        return WrongArgumentsStatus;
    }
    // Named from where the program was started, whatever folder it works in.
    const auto absolute = [](const QString &path) {
        return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    };
    const QString logFile = absolute(options.logFile);
    const QString device = absolute(options.device);

    const auto startCheck = StartCheck::fromEnvironment();
    // The option for this run, else the settings file; a language the
    // program does not know leaves it in Czech. The option is known at once,
    // so that the working folder's problems are told in it too; the settings
    // file only once the program is in its folder.
    if (!options.language.isEmpty())
        useLanguage(options.language);
    if (!enterStartFolder(options))
        return WorkFolderUnusableStatus;
    Configuration configuration = readConfiguration(configurationFilePath());
    if (!device.isEmpty())
        configuration.device = device;
    if (options.language.isEmpty()
        && !useLanguage(configuration.language.value_or(Language::Czech)))
        useLanguage(Language::Czech);
    AppWindows windows(configuration);
    QObject::connect(windows.mainWindow(), &TT_ZUNOV::closed, &app, &QApplication::quit);
    windows.mainWindow()->show();
    if (!logFile.isEmpty())
        windows.mainWindow()->startRecording(logFile, options.logRotation);
    if (startCheck)
        return startCheck->finish();
    return app.exec();
}
