#include "config/commandline.h"

#include "config/optiontable.h"

#include <QCoreApplication>

namespace {

// In the order --help lists them. Made afresh at each use, so that the texts
// are in the language chosen by then.
QList<OptionText> optionTexts()
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")},
         {},
         QCoreApplication::translate("CommandLine", "vypíše tuto nápovědu")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         {},
         QCoreApplication::translate("CommandLine", "vypíše verzi programu")},
        {{QStringLiteral("workdir")},
         QCoreApplication::translate("CommandLine", "složka"),
         QCoreApplication::translate(
             "CommandLine", "pracuje v této složce; chybějící datové soubory do ní zkopíruje")},
        {{QStringLiteral("user-workdir")},
         {},
         QCoreApplication::translate("CommandLine",
                                     "totéž ve složce uživatele ~/.local/share/zunov "
                                     "(přesněji $XDG_DATA_HOME/zunov)")},
        {{QStringLiteral("device")},
         QCoreApplication::translate("CommandLine", "cesta"),
         QCoreApplication::translate("CommandLine", "pro tento běh otevře toto sériové zařízení")},
        {{QStringLiteral("list-ports")},
         {},
         QCoreApplication::translate("CommandLine", "vypíše nalezené sériové porty")},
        {{QStringLiteral("log")},
         QCoreApplication::translate("CommandLine", "soubor"),
         QCoreApplication::translate("CommandLine",
                                     "od spuštění zaznamenává měření do souboru CSV")},
        {{QStringLiteral("log-rotate")},
         QCoreApplication::translate("CommandLine", "VELIKOST|daily"),
         QCoreApplication::translate(
             "CommandLine", "záznam pokračuje v novém souboru po dosažení velikosti (bajty, "
                            "přípona K, M nebo G, např. 100M) nebo o půlnoci; soubory mají v "
                            "názvu pořadové číslo nebo datum")},
        {{QStringLiteral("lang")},
         QStringLiteral("cs|en"),
         QCoreApplication::translate("CommandLine",
                                     "jazyk oken pro tento běh (cs česky, en anglicky)")},
    };
}

CommandLine terminalOptionsOf(const QCommandLineParser &parser)
{
    CommandLine line;
    line.help = parser.isSet(QStringLiteral("help"));
    line.version = parser.isSet(QStringLiteral("version"));
    line.listPorts = parser.isSet(QStringLiteral("list-ports"));
    line.language = parser.value(QStringLiteral("lang"));
    // The port list names the COM<N> links of the folder the program would work in.
    line.workdir = parser.value(QStringLiteral("workdir"));
    line.userWorkdir = parser.isSet(QStringLiteral("user-workdir"));
    return line;
}

QStringList withProgramName(const QStringList &arguments)
{
    return QStringList{QStringLiteral("zunov")} + arguments;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser, optionTexts());
    const QStringList typed = withProgramName(arguments);
    if (!parser.parse(typed)) {
        CommandLine failed;
        failed.error = parserErrorText(parser, optionTexts(), typed);
        return failed;
    }
    CommandLine line = terminalOptionsOf(parser);
    if (!parser.positionalArguments().isEmpty())
        line.error = QCoreApplication::translate("CommandLine", "Nečekaný argument: %1")
                         .arg(parser.positionalArguments().first());
    line.device = parser.value(QStringLiteral("device"));
    line.logFile = parser.value(QStringLiteral("log"));
    if (parser.isSet(QStringLiteral("log-rotate"))) {
        const QString typed = parser.value(QStringLiteral("log-rotate"));
        const std::optional<RecordingRotation> rotation = parseRotation(typed);
        if (!rotation)
            line.error = QCoreApplication::translate(
                             "CommandLine", "Neplatná hodnota --log-rotate „%1“; zadejte velikost "
                                            "jako 20K nebo 100M, nebo daily.")
                             .arg(typed);
        else if (line.logFile.isEmpty())
            line.error =
                QCoreApplication::translate("CommandLine", "Volba --log-rotate potřebuje --log.");
        else
            line.logRotation = *rotation;
    }
    line.language = parser.value(QStringLiteral("lang"));
    const QStringList languages{QStringLiteral("cs"), QStringLiteral("en")};
    if (parser.isSet(QStringLiteral("lang")) && !languages.contains(line.language))
        line.error =
            QCoreApplication::translate("CommandLine", "Neznámý jazyk „%1“; zvolte cs nebo en.")
                .arg(line.language);
    if (line.userWorkdir && parser.isSet(QStringLiteral("workdir")))
        line.error = QCoreApplication::translate(
            "CommandLine", "Volby --workdir a --user-workdir nelze použít spolu.");
    else if (parser.isSet(QStringLiteral("workdir")) && line.workdir.isEmpty())
        line.error =
            QCoreApplication::translate("CommandLine", "Volba --workdir potřebuje složku.");
    return line;
}

CommandLine parseTerminalOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser, optionTexts());
    parser.parse(withProgramName(arguments));
    return terminalOptionsOf(parser);
}

QString commandLineHelp()
{
    return QCoreApplication::translate("CommandLine",
                                       "Použití: zunov [volby]\n"
                                       "Obsluha měřicího přístroje na sériovém portu.\n\nVolby:\n")
           + optionHelpLines(optionTexts());
}

QString versionText()
{
    return QStringLiteral("zunov " ZUNOV_VERSION);
}
