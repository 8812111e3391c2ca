// zunov-cli: the instrument from the command line, for scripts and automated
// measurement. See --help.
#include "clicommandline.h"
#include "clilanguage.h"
#include "clitexts.h"
#include "commands.h"
#include "stopsignals.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <csignal>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // A reader that goes away (`zunov-cli measure | head`) is a failed write
    // to deal with, not a death that leaves the port unclosed.
    std::signal(SIGPIPE, SIG_IGN);
    Output out(STDOUT_FILENO);
    Output err(STDERR_FILENO);

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CliRequest request = parseCliArguments(arguments);
    // The commands that run until stopped end after the exchange under way.
    if (request.command == CliCommand::Measure || request.command == CliCommand::Sweep)
        StopSignals::block();
    QCoreApplication app(argc, argv);
    const QString language =
        cliLanguage(request.language, QProcessEnvironment::systemEnvironment());
    if (language != Language::Czech) {
        // The arguments were read before the application object existed, as
        // the stop signals must be blocked before it can start a thread; a
        // translation needs that object, so they are read again for their
        // usage errors to be in the language chosen.
        useCliLanguage(language);
        request = parseCliArguments(arguments);
    }
    if (request.help)
        return out.write(cliHelp(request.command)) ? ExitStatus::Success : ExitStatus::Failed;
    if (request.version)
        return out.write(cliVersion() + QLatin1Char('\n')) ? ExitStatus::Success
                                                           : ExitStatus::Failed;
    if (!request.error.isEmpty()) {
        err.write(CliText::usage(request.error, cliHelpHint(request.command)));
        return ExitStatus::Usage;
    }
    return runCommand(request, out, err);
}
