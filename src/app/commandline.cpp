#include "app/commandline.h"

#include <QCommandLineParser>
#include <QList>

namespace {

struct OptionText
{
    QStringList names;
    QString valueName; // empty for a switch
    QString description;
};

// In the order --help lists them.
QList<OptionText> optionTexts()
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")}, {}, QStringLiteral("vypíše tuto nápovědu")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         {},
         QStringLiteral("vypíše verzi programu")},
        {{QStringLiteral("workdir")},
         QStringLiteral("složka"),
         QStringLiteral("pracuje v této složce; chybějící datové soubory do ní zkopíruje")},
        {{QStringLiteral("user-workdir")},
         {},
         QStringLiteral("totéž ve složce uživatele ~/.local/share/zunov "
                        "(přesněji $XDG_DATA_HOME/zunov)")},
        {{QStringLiteral("device")},
         QStringLiteral("cesta"),
         QStringLiteral("pro tento běh otevře toto sériové zařízení")},
        {{QStringLiteral("list-ports")}, {}, QStringLiteral("vypíše nalezené sériové porty")},
        {{QStringLiteral("log")},
         QStringLiteral("soubor"),
         QStringLiteral("od spuštění zaznamenává měření do souboru CSV")},
    };
}

void addOptions(QCommandLineParser &parser)
{
    for (const OptionText &text : optionTexts())
        parser.addOption(QCommandLineOption(text.names, text.description, text.valueName));
}

CommandLine terminalOptionsOf(const QCommandLineParser &parser)
{
    CommandLine line;
    line.help = parser.isSet(QStringLiteral("help"));
    line.version = parser.isSet(QStringLiteral("version"));
    line.listPorts = parser.isSet(QStringLiteral("list-ports"));
    return line;
}

// QCommandLineParser's own texts are English; users of the program read Czech.
QString errorText(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("Neznámá volba: %1").arg(unknown.first());
    return QStringLiteral("Chybné argumenty: %1").arg(parser.errorText());
}

QStringList withProgramName(const QStringList &arguments)
{
    return QStringList{QStringLiteral("zunov")} + arguments;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(withProgramName(arguments))) {
        CommandLine line;
        line.error = errorText(parser);
        return line;
    }
    CommandLine line = terminalOptionsOf(parser);
    if (!parser.positionalArguments().isEmpty())
        line.error =
            QStringLiteral("Nečekaný argument: %1").arg(parser.positionalArguments().first());
    line.workdir = parser.value(QStringLiteral("workdir"));
    line.userWorkdir = parser.isSet(QStringLiteral("user-workdir"));
    line.device = parser.value(QStringLiteral("device"));
    line.logFile = parser.value(QStringLiteral("log"));
    if (line.userWorkdir && parser.isSet(QStringLiteral("workdir")))
        line.error = QStringLiteral("Volby --workdir a --user-workdir nelze použít spolu.");
    else if (parser.isSet(QStringLiteral("workdir")) && line.workdir.isEmpty())
        line.error = QStringLiteral("Volba --workdir potřebuje složku.");
    return line;
}

CommandLine parseTerminalOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.parse(withProgramName(arguments));
    return terminalOptionsOf(parser);
}

QString commandLineHelp()
{
    QString help = QStringLiteral("Použití: zunov [volby]\n"
                                  "Obsluha měřicího přístroje na sériovém portu.\n\nVolby:\n");
    for (const OptionText &text : optionTexts()) {
        QStringList names;
        for (const QString &name : text.names)
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = names.join(QStringLiteral(", "));
        if (!text.valueName.isEmpty())
            left += QStringLiteral(" <%1>").arg(text.valueName);
        help += QStringLiteral("  %1  %2\n").arg(left, -24).arg(text.description);
    }
    return help;
}

QString versionText()
{
    return QStringLiteral("zunov " ZUNOV_VERSION);
}
