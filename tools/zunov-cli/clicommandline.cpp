#include "clicommandline.h"

#include "clilanguage.h"
#include "config/optiontable.h"
#include "generator/waveform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace {

const QString ProgramName = QStringLiteral("zunov-cli");
constexpr int LongestPeriodMs = 24 * 60 * 60 * 1000; // a day
constexpr int HighestFrequencyValue = 255;
constexpr int MostReadings = 10'000;

struct CommandInfo
{
    CliCommand command;
    QString name;
    const char *summary; // translated where it is shown
    bool opensPort;
};

const std::array<CommandInfo, 5> Commands{{
    {CliCommand::Ports, QStringLiteral("ports"),
     QT_TRANSLATE_NOOP("CliCommandLine", "vypíše nalezené sériové porty (jako zunov --list-ports)"),
     false},
    {CliCommand::Test, QStringLiteral("test"),
     QT_TRANSLATE_NOOP("CliCommandLine", "čtyřbajtový test spojení s přístrojem"), true},
    {CliCommand::Measure, QStringLiteral("measure"),
     QT_TRANSLATE_NOOP("CliCommandLine", "měří a vypisuje každou celou odpověď přístroje"), true},
    {CliCommand::Generator, QStringLiteral("generator"),
     QT_TRANSLATE_NOOP("CliCommandLine", "pošle přístroji nastavení generátoru funkcí"), true},
    {CliCommand::Sweep, QStringLiteral("sweep"),
     QT_TRANSLATE_NOOP("CliCommandLine", "rozmítá generátor a po krocích měří odezvu"), true},
}};

struct WaveformName
{
    QString name;
    Waveform waveform;
};

const std::array<WaveformName, 5> WaveformNames{{
    {QStringLiteral("sinus"), Waveforms::Sine},
    {QStringLiteral("sinus2"), Waveforms::HalfSine},
    {QStringLiteral("obdelnik"), Waveforms::Square},
    {QStringLiteral("pila"), Waveforms::Sawtooth},
    {QStringLiteral("trojuhelnik"), Waveforms::Triangle},
}};

const QStringList FormatNames{QStringLiteral("csv"), QStringLiteral("json"),
                              QStringLiteral("text")};

// The tables below are made afresh at each use, so that their texts are in
// the language chosen by then.

// Accepted by every command, and without one.
QList<OptionText> commonOptions()
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")},
         {},
         QCoreApplication::translate("CliCommandLine", "vypíše nápovědu")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         {},
         QCoreApplication::translate("CliCommandLine", "vypíše verzi programu")},
        {{QStringLiteral("lang")},
         QStringLiteral("cs|en"),
         QCoreApplication::translate(
             "CliCommandLine", "jazyk nápovědy a hlášení: cs česky, en anglicky; bez ní anglicky, "
                               "když LC_ALL, LC_MESSAGES nebo LANG volí angličtinu, jinak česky")},
    };
}

QList<OptionText> deviceOptions()
{
    return {
        {{QStringLiteral("device")},
         QCoreApplication::translate("CliCommandLine", "cesta"),
         QCoreApplication::translate("CliCommandLine", "otevře toto sériové zařízení")},
        {{QStringLiteral("port")},
         QCoreApplication::translate("CliCommandLine", "číslo"),
         QCoreApplication::translate(
             "CliCommandLine", "otevře port COM<číslo>: položku COM<číslo> v aktuální složce, "
                               "jinak /dev/ttyS<číslo-1>")},
    };
}

QList<OptionText> ownOptions(CliCommand command)
{
    switch (command) {
    case CliCommand::Measure:
        return {
            {{QStringLiteral("count")},
             QStringLiteral("N"),
             QCoreApplication::translate("CliCommandLine",
                                         "skončí po N dotazech; bez ní měří do Ctrl+C")},
            {{QStringLiteral("period")},
             QStringLiteral("ms"),
             QCoreApplication::translate(
                 "CliCommandLine", "perioda dotazů; bez ní TSER ze ZUNOV.INI, jinak 1000 ms")},
            {{QStringLiteral("format")},
             QStringLiteral("csv|json|text"),
             QCoreApplication::translate("CliCommandLine", "tvar výstupu, výchozí csv")},
            {{QStringLiteral("stats")},
             {},
             QCoreApplication::translate(
                 "CliCommandLine", "na konci vypíše na chybový výstup statistiku každé veličiny "
                                   "(řádky STAT; s --format json i poslední řádek výstupu)")},
            {{QStringLiteral("limit")},
             QCoreApplication::translate("CliCommandLine", "Q=DOLNÍ:HORNÍ"),
             QCoreApplication::translate(
                 "CliCommandLine",
                 "meze veličiny U1, U2, R, f nebo I v základní jednotce (V, Ohm, Hz, "
                 "A), kterákoli může chybět; hodnota mimo meze dá návratový kód 4; "
                 "lze opakovat")},
            {{QStringLiteral("log")},
             QCoreApplication::translate("CliCommandLine", "soubor"),
             QCoreApplication::translate(
                 "CliCommandLine",
                 "řádky CSV zapisuje i do souboru, s popisem běhu v souboru .json vedle něj")},
            {{QStringLiteral("log-rotate")},
             QCoreApplication::translate("CliCommandLine", "VELIKOST|daily"),
             QCoreApplication::translate(
                 "CliCommandLine", "záznam --log pokračuje v novém souboru po dosažení velikosti "
                                   "(bajty, přípona K, M nebo G, např. 100M) nebo o půlnoci")},
        };
    case CliCommand::Generator:
        return {
            {{QStringLiteral("waveform")},
             QCoreApplication::translate("CliCommandLine", "tvar"),
             QCoreApplication::translate("CliCommandLine",
                                         "sinus, sinus2, obdelnik, pila nebo trojuhelnik")},
            {{QStringLiteral("value")},
             QStringLiteral("0..255"),
             QCoreApplication::translate("CliCommandLine",
                                         "hodnota frekvence, jako posuvník v okně programu")},
        };
    case CliCommand::Sweep:
        return {
            {{QStringLiteral("waveform")},
             QCoreApplication::translate("CliCommandLine", "tvar"),
             QCoreApplication::translate(
                 "CliCommandLine", "sinus (výchozí), sinus2, obdelnik, pila nebo trojuhelnik")},
            {{QStringLiteral("from")},
             QStringLiteral("0..255"),
             QCoreApplication::translate("CliCommandLine", "první hodnota frekvence, výchozí 0")},
            {{QStringLiteral("to")},
             QStringLiteral("0..255"),
             QCoreApplication::translate("CliCommandLine",
                                         "poslední hodnota frekvence, výchozí 255")},
            {{QStringLiteral("steps")},
             QStringLiteral("N"),
             QCoreApplication::translate(
                 "CliCommandLine", "počet kroků, výchozí 32; hodnoty, které se po zaokrouhlení "
                                   "opakují, se nastaví jen jednou")},
            {{QStringLiteral("log-spacing")},
             {},
             QCoreApplication::translate(
                 "CliCommandLine", "kroky rozmístí logaritmicky (obě krajní hodnoty aspoň 1)")},
            {{QStringLiteral("settle")},
             QStringLiteral("ms"),
             QCoreApplication::translate("CliCommandLine",
                                         "čekání po nastavení generátoru, výchozí 200 ms")},
            {{QStringLiteral("readings")},
             QStringLiteral("N"),
             QCoreApplication::translate("CliCommandLine",
                                         "počet dotazů v každém kroku, výchozí 5")},
            {{QStringLiteral("period")},
             QStringLiteral("ms"),
             QCoreApplication::translate(
                 "CliCommandLine",
                 "perioda dotazů v kroku; bez ní TSER ze ZUNOV.INI, jinak 1000 ms")},
            {{QStringLiteral("format")},
             QStringLiteral("csv|json"),
             QCoreApplication::translate(
                 "CliCommandLine", "tvar výstupu, výchozí csv; řádek za každý dokončený krok")},
        };
    case CliCommand::None:
    case CliCommand::Ports:
    case CliCommand::Test:
        break;
    }
    return {};
}

QString summaryOf(const CommandInfo &info)
{
    return QCoreApplication::translate("CliCommandLine", info.summary);
}

const CommandInfo *commandInfo(CliCommand command)
{
    for (const CommandInfo &info : Commands) {
        if (info.command == command)
            return &info;
    }
    return nullptr;
}

QList<OptionText> optionsOf(CliCommand command)
{
    const CommandInfo *info = commandInfo(command);
    QList<OptionText> options = commonOptions();
    if (info && info->opensPort)
        options += deviceOptions();
    return options + ownOptions(command);
}

CliCommand commandNamed(const QString &name)
{
    for (const CommandInfo &info : Commands) {
        if (info.name == name)
            return info.command;
    }
    return CliCommand::None;
}

// The command is the first argument that is no option and no option's value;
// a parser that knows every command's options tells them apart.
QString commandName(const QStringList &line)
{
    QList<OptionText> everyOption = commonOptions() + deviceOptions();
    for (const CommandInfo &info : Commands) {
        // Commands share some options; the parser takes each name once.
        for (const OptionText &option : ownOptions(info.command)) {
            const bool known = std::any_of(
                everyOption.cbegin(), everyOption.cend(),
                [&option](const OptionText &each) { return each.names == option.names; });
            if (!known)
                everyOption += option;
        }
    }
    QCommandLineParser parser;
    addOptions(parser, everyOption);
    parser.parse(line);
    return parser.positionalArguments().value(0);
}

// Takes the values of the options into the request, and the first thing
// wrong with them as its error: that is the one the user sees.
class RequestReader
{
public:
    RequestReader(const QCommandLineParser &parser, CliRequest &request)
        : m_parser(parser)
        , m_request(request)
    {}

    void fail(const QString &error)
    {
        if (m_request.error.isEmpty())
            m_request.error = error;
    }

    void checkLanguage()
    {
        if (isSet("lang") && !Language::All.contains(m_request.language))
            fail(QCoreApplication::translate("CliCommandLine",
                                             "Neznámý jazyk „%1“; zvolte cs nebo en.")
                     .arg(m_request.language));
    }

    void readDevice()
    {
        if (isSet("device") && isSet("port"))
            fail(QCoreApplication::translate("CliCommandLine",
                                             "Volby --device a --port nelze použít spolu."));
        m_request.device = value("device");
        if (isSet("device") && m_request.device.isEmpty())
            fail(QCoreApplication::translate("CliCommandLine",
                                             "Volba --device potřebuje cestu k zařízení."));
        m_request.port = number("port", 0, INT_MAX);
    }

    void readMeasure()
    {
        m_request.count = number("count", 1, INT_MAX);
        m_request.periodMs = number("period", 1, LongestPeriodMs);
        m_request.statistics = isSet("stats");
        for (const QString &limit : m_parser.values(QStringLiteral("limit")))
            readLimit(limit);
        readLog();
        if (!isSet("format"))
            return;
        const qsizetype index = FormatNames.indexOf(value("format"));
        if (index < 0)
            fail(QCoreApplication::translate(
                     "CliCommandLine", "Neznámý tvar výstupu „%1“; zvolte csv, json nebo text.")
                     .arg(value("format")));
        else
            m_request.format = OutputFormat(index);
    }

    void readLog()
    {
        m_request.logFile = value("log");
        if (isSet("log") && m_request.logFile.isEmpty())
            fail(QCoreApplication::translate("CliCommandLine", "Volba --log potřebuje soubor."));
        if (!isSet("log-rotate"))
            return;
        const std::optional<RecordingRotation> rotation = parseRotation(value("log-rotate"));
        if (!rotation)
            fail(QCoreApplication::translate("CliCommandLine",
                                             "Neplatná hodnota --log-rotate „%1“; zadejte "
                                             "velikost jako 20K nebo 100M, nebo daily.")
                     .arg(value("log-rotate")));
        else if (!isSet("log"))
            fail(QCoreApplication::translate("CliCommandLine",
                                             "Volba --log-rotate potřebuje --log."));
        else
            m_request.logRotation = *rotation;
    }

    std::optional<uint8_t> waveformCode()
    {
        const QString name = value("waveform");
        const auto known =
            std::find_if(WaveformNames.begin(), WaveformNames.end(),
                         [&name](const WaveformName &entry) { return entry.name == name; });
        if (known != WaveformNames.end())
            return known->waveform.code;
        fail(QCoreApplication::translate(
                 "CliCommandLine", "Neznámý tvar „%1“; zvolte sinus, sinus2, obdelnik, pila nebo "
                                   "trojuhelnik.")
                 .arg(name));
        return std::nullopt;
    }

    void readSweep()
    {
        SweepSettings &sweep = m_request.sweep;
        if (isSet("waveform"))
            sweep.waveformCode = waveformCode().value_or(sweep.waveformCode);
        sweep.from = number("from", 0, HighestFrequencyValue).value_or(sweep.from);
        sweep.to = number("to", 0, HighestFrequencyValue).value_or(sweep.to);
        sweep.steps = number("steps", 1, SweepSettings::MostSteps).value_or(sweep.steps);
        sweep.logSpacing = isSet("log-spacing");
        sweep.settleMs = number("settle", 0, LongestPeriodMs).value_or(sweep.settleMs);
        sweep.readings = number("readings", 1, MostReadings).value_or(sweep.readings);
        m_request.periodMs = number("period", 1, LongestPeriodMs);
        if (sweep.logSpacing && (sweep.from == 0 || sweep.to == 0))
            fail(QCoreApplication::translate(
                "CliCommandLine",
                "Logaritmické rozmístění kroků potřebuje --from i --to aspoň 1."));
        if (!isSet("format"))
            return;
        const qsizetype index = FormatNames.indexOf(value("format"));
        if (index < 0 || OutputFormat(index) == OutputFormat::Text)
            fail(QCoreApplication::translate("CliCommandLine",
                                             "Neznámý tvar výstupu „%1“; zvolte csv nebo json.")
                     .arg(value("format")));
        else
            m_request.format = OutputFormat(index);
    }

    void readGenerator()
    {
        for (const char *option : {"waveform", "value"}) {
            if (!isSet(option))
                fail(QCoreApplication::translate("CliCommandLine",
                                                 "Příkaz generator potřebuje volbu --%1.")
                         .arg(QLatin1String(option)));
        }
        if (!m_request.error.isEmpty())
            return;
        m_request.waveformCode = waveformCode().value_or(0);
        m_request.frequencyValue = uint8_t(number("value", 0, HighestFrequencyValue).value_or(0));
    }

private:
    // Q=LOWEST:HIGHEST, either bound empty, numbers with a decimal point.
    void readLimit(const QString &text)
    {
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        const QStringList bounds = text.mid(equals + 1).split(QLatin1Char(':'));
        const auto quantity = quantityNamed(text.left(equals));
        const std::optional<double> lowest = bound(bounds.value(0));
        const std::optional<double> highest = bound(bounds.value(1));
        const bool wellFormed = equals > 0 && quantity && bounds.size() == 2
                                && (lowest || bounds.at(0).isEmpty())
                                && (highest || bounds.at(1).isEmpty()) && (lowest || highest)
                                && (!lowest || !highest || *lowest <= *highest);
        if (!wellFormed) {
            fail(QCoreApplication::translate(
                     "CliCommandLine",
                     "Mez „%1“ neplatí; zadejte ji jako U1=1.5:2.5, R=:1000 nebo "
                     "I=0.1: (veličina U1, U2, R, f nebo I, dolní mez nejvýš horní).")
                     .arg(text));
            return;
        }
        m_request.limits.push_back({*quantity, lowest, highest});
    }

    static std::optional<double> bound(const QString &text)
    {
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
    }

    bool isSet(const char *option) const { return m_parser.isSet(QLatin1String(option)); }
    QString value(const char *option) const { return m_parser.value(QLatin1String(option)); }

    // A decimal integer from lowest to highest; nothing when the option is
    // absent or its value is wrong.
    std::optional<int> number(const char *option, int lowest, int highest)
    {
        if (!isSet(option))
            return std::nullopt;
        const QString text = value(option);
        bool ok = false;
        const int number = text.toInt(&ok, 10);
        if (ok && number >= lowest && number <= highest)
            return number;
        fail(QCoreApplication::translate("CliCommandLine",
                                         "Hodnota „%1“ volby --%2 není celé číslo od %3 do %4.")
                 .arg(text, QLatin1String(option), QString::number(lowest),
                      QString::number(highest)));
        return std::nullopt;
    }

    const QCommandLineParser &m_parser;
    CliRequest &m_request;
};

} // namespace

CliRequest parseCliArguments(const QStringList &arguments)
{
    const QStringList line = QStringList{ProgramName} + arguments;
    const QString name = commandName(line);
    CliRequest request;
    request.command = commandNamed(name);

    QCommandLineParser parser;
    const QList<OptionText> options = optionsOf(request.command);
    addOptions(parser, options);
    const bool parsed = parser.parse(line);
    request.help = parser.isSet(QStringLiteral("help"));
    request.version = parser.isSet(QStringLiteral("version"));
    // Wanted for the help too, and for the errors, even of arguments that
    // are wrong otherwise.
    request.language = parser.value(QStringLiteral("lang"));
    if (request.help || request.version)
        return request;
    RequestReader reader(parser, request);
    if (name.isEmpty())
        reader.fail(QCoreApplication::translate(
            "CliCommandLine", "Chybí příkaz: ports, test, measure, generator nebo sweep."));
    else if (request.command == CliCommand::None)
        reader.fail(QCoreApplication::translate("CliCommandLine", "Neznámý příkaz: %1").arg(name));
    else if (!parsed)
        reader.fail(parserErrorText(parser, options, line));
    else if (parser.positionalArguments().size() > 1)
        reader.fail(QCoreApplication::translate("CliCommandLine", "Nečekaný argument: %1")
                        .arg(parser.positionalArguments().at(1)));
    if (!request.error.isEmpty())
        return request;

    reader.checkLanguage();
    if (commandInfo(request.command)->opensPort)
        reader.readDevice();
    if (request.command == CliCommand::Measure)
        reader.readMeasure();
    if (request.command == CliCommand::Generator)
        reader.readGenerator();
    if (request.command == CliCommand::Sweep)
        reader.readSweep();
    return request;
}

QString cliHelp(CliCommand command)
{
    const CommandInfo *info = commandInfo(command);
    if (info) {
        const QString summary = summaryOf(*info);
        return QCoreApplication::translate("CliCommandLine",
                                           "Použití: %1 %2 [volby]\n%3.\n\nVolby:\n")
                   .arg(ProgramName, info->name, summary.at(0).toUpper() + summary.mid(1))
               + optionHelpLines(optionsOf(command));
    }
    QString help =
        QCoreApplication::translate("CliCommandLine",
                                    "Použití: %1 <příkaz> [volby]\n"
                                    "Měří a ovládá přístroj ZUNOV z příkazové řádky, bez oken.\n\n"
                                    "Příkazy:\n")
            .arg(ProgramName);
    for (const CommandInfo &each : Commands)
        help += QStringLiteral("  %1  %2\n").arg(each.name, -10).arg(summaryOf(each));
    return help + QCoreApplication::translate("CliCommandLine", "\nVolby:\n")
           + optionHelpLines(commonOptions())
           + QCoreApplication::translate(
                 "CliCommandLine",
                 "\nZařízení volí --device nebo --port, jinak ZUNOV.INI aktuální složky "
                 "(klíče Port a Zarizeni).\n"
                 "Nápověda k příkazu: %1 <příkaz> --help\n"
                 "Návratový kód: 0 v pořádku, 1 přístroj neodpověděl správně nebo výstup "
                 "nelze zapsat, 2 chybné volby, 3 zařízení nelze otevřít, 4 hodnota mimo meze "
                 "(measure --limit).\n")
                 .arg(ProgramName);
}

QString cliVersion()
{
    return ProgramName + QStringLiteral(" " ZUNOV_VERSION);
}

QString cliHelpHint(CliCommand command)
{
    const CommandInfo *info = commandInfo(command);
    return info ? QStringLiteral("%1 %2 --help").arg(ProgramName, info->name)
                : QStringLiteral("%1 --help").arg(ProgramName);
}
