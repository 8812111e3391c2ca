#include "emulator.h"
#include "link/tserial.h"
#include "support/programrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <csignal>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(zunovsim::Faults)

namespace {

constexpr int kLinkedPort = 3;
constexpr int kStopTimeoutMs = 10000;
constexpr zunovsim::Frame kPollFrame{211, 0, 0, 0};

// The environment of a run: no display, and a locale that chooses no
// language, whatever the machine's is, so that zunov-cli speaks Czech unless
// a test says otherwise.
QProcessEnvironment cliEnvironment()
{
    QProcessEnvironment environment = environmentWithoutDisplay();
    for (const char *variable : {"LC_MESSAGES", "LANG", "LANGUAGE"})
        environment.remove(variable);
    environment.insert("LC_ALL", "C.UTF-8");
    return environment;
}

// A folder of its own with the emulated instrument on a pseudo-terminal,
// linked there as COM3, for zunov-cli to run in as a script would. COM1
// leads nowhere, so that nothing reaches the machine's own serial ports.
struct Bench
{
    Bench()
    {
        QVERIFY(keepOffSerialPorts(folder.path()));
        instrument.setLink(folder.path().toStdString(), kLinkedPort);
        instrument.start();
    }

    QString device() const { return QString::fromStdString(instrument.slavePath()); }

    void writeIni(QByteArray ini) const
    {
        QFile file(folder.filePath("ZUNOV.INI"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini.replace("DEVICE", device().toUtf8()));
    }

    // DEVICE and FOLDER in the arguments stand for the instrument's terminal
    // and the bench's folder.
    ProgramRun run(QStringList arguments,
                   const QProcessEnvironment &environment = cliEnvironment()) const
    {
        arguments.replaceInStrings("DEVICE", device());
        arguments.replaceInStrings("FOLDER", folder.path());
        return runProgram(ZUNOV_CLI, arguments, environment, folder.path());
    }

    QTemporaryDir folder;
    zunovsim::Emulator instrument;
};

QProcessEnvironment withLocale(const char *locale)
{
    QProcessEnvironment environment = cliEnvironment();
    environment.insert("LC_ALL", locale);
    return environment;
}

QStringList lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
}

// A JSON line in a form the table can hold: quantity|value|unit|display|raw.
QString jsonReading(const QString &line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("not a JSON object: ") + line;
    const QJsonObject reading = document.object();
    if (!QDateTime::fromString(reading["time"].toString(), Qt::ISODateWithMs).isValid())
        return QStringLiteral("no time: ") + line;
    QStringList raw;
    for (const QJsonValue byte : reading["raw"].toArray())
        raw << QString::number(byte.toInt());
    return QStringList{reading["quantity"].toString(), QString::number(reading["value"].toDouble()),
                       reading["unit"].toString(), reading["display"].toString(), raw.join(',')}
        .join('|');
}

} // namespace

// zunov-cli as a script runs it: a separate process, without a display,
// against the emulated instrument on a real pseudo-terminal.
class tst_ZunovCli : public QObject
{
    Q_OBJECT

private slots:
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion_data();
    void helpAndVersion();
    void cannotOpen_data();
    void cannotOpen();
    void deviceChoice_data();
    void deviceChoice();
    void pollPeriod_data();
    void pollPeriod();
    void echoTest_data();
    void echoTest();
    void echoTestNamesTheDevice_data();
    void echoTestNamesTheDevice();
    void measureFormats_data();
    void measureFormats();
    void measureRecordsToFiles_data();
    void measureRecordsToFiles();
    void statisticsAndLimits_data();
    void statisticsAndLimits();
    void incompleteReplies_data();
    void incompleteReplies();
    void generator_data();
    void generator();
    void sweep_data();
    void sweep();
    void stopSignalWaitsForTheReply_data();
    void stopSignalWaitsForTheReply();
    void sweepEndsOnStopSignal();
    void fullDiskIsSaidInTheLanguage_data();
    void fullDiskIsSaidInTheLanguage();
    void lostDeviceIsOpenedAgain_data();
    void lostDeviceIsOpenedAgain();
    void languageChoice_data();
    void languageChoice();
    void englishMessages_data();
    void englishMessages();
    void sameDataInEitherLanguage_data();
    void sameDataInEitherLanguage();
};

void tst_ZunovCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no command") << QStringList{}
                                << "Chybí příkaz: ports, test, measure, generator nebo sweep.";
    QTest::newRow("unknown command") << QStringList{"mesure"} << "Neznámý příkaz: mesure";
    QTest::newRow("unknown option") << QStringList{"measure", "--bogus"} << "Neznámá volba: bogus";
    QTest::newRow("option of another command")
        << QStringList{"test", "--count", "3"} << "Neznámá volba: count";
    QTest::newRow("value missing")
        << QStringList{"measure", "--count"} << "Volba --count potřebuje hodnotu.";
    QTest::newRow("not a number") << QStringList{
        "measure", "--period",
        "1s"} << "Hodnota „1s“ volby --period není celé číslo od 1 do 86400000.";
    QTest::newRow("value out of range")
        << QStringList{"generator", "--waveform", "pila", "--value", "256"}
        << "Hodnota „256“ volby --value není celé číslo od 0 do 255.";
    QTest::newRow("a rotation it cannot read")
        << QStringList{"measure", "--log", "z.csv", "--log-rotate", "1,5M"}
        << "Neplatná hodnota --log-rotate „1,5M“; zadejte velikost jako 20K nebo 100M, nebo daily.";
    QTest::newRow("rotation without a file")
        << QStringList{"measure", "--log-rotate", "daily"} << "Volba --log-rotate potřebuje --log.";
    QTest::newRow("unknown waveform")
        << QStringList{"generator", "--waveform", "kosinus", "--value", "1"}
        << "Neznámý tvar „kosinus“; zvolte sinus, sinus2, obdelnik, pila nebo trojuhelnik.";
    QTest::newRow("waveform missing") << QStringList{"generator", "--value", "1"}
                                      << "Příkaz generator potřebuje volbu --waveform.";
    QTest::newRow("unknown format") << QStringList{"measure", "--format", "xml"}
                                    << "Neznámý tvar výstupu „xml“; zvolte csv, json nebo text.";
    QTest::newRow("two devices") << QStringList{"test", "--device", "DEVICE", "--port", "3"}
                                 << "Volby --device a --port nelze použít spolu.";
    QTest::newRow("stray argument") << QStringList{"test", "navíc"} << "Nečekaný argument: navíc";
    const QString badLimit = "Mez „%1“ neplatí; zadejte ji jako U1=1.5:2.5, R=:1000 nebo I=0.1: "
                             "(veličina U1, U2, R, f nebo I, dolní mez nejvýš horní).";
    QTest::newRow("limit upside down")
        << QStringList{"measure", "--limit", "U1=2:1"} << badLimit.arg("U1=2:1");
    QTest::newRow("limit of no quantity")
        << QStringList{"measure", "--limit", "X=1:"} << badLimit.arg("X=1:");
    QTest::newRow("limit without a bound")
        << QStringList{"measure", "--limit", "U1=:"} << badLimit.arg("U1=:");
    QTest::newRow("limit not a number")
        << QStringList{"measure", "--limit", "R=1,5:"} << badLimit.arg("R=1,5:");
    QTest::newRow("logarithmic sweep from 0")
        << QStringList{"sweep", "--log-spacing", "--to", "200"}
        << "Logaritmické rozmístění kroků potřebuje --from i --to aspoň 1.";
    QTest::newRow("sweep as text") << QStringList{"sweep", "--format", "text"}
                                   << "Neznámý tvar výstupu „text“; zvolte csv nebo json.";
    QTest::newRow("unknown language")
        << QStringList{"ports", "--lang", "xx"} << "Neznámý jazyk „xx“; zvolte cs nebo en.";
}

void tst_ZunovCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    Bench bench;
    const ProgramRun run = bench.run(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.startsWith("zunov-cli: " + error + " (nápověda: zunov-cli "), qPrintable(err));
    QCOMPARE(err.count('\n'), 1);
    QVERIFY(bench.instrument.framesReceived().empty());
    QCOMPARE(bench.instrument.handshakeCount(), 0);
}

void tst_ZunovCli::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    QTest::newRow("program") << QStringList{"--help"} << "  generator  ";
    QTest::newRow("command") << QStringList{"measure", "-h"} << "  --count <N>  ";
    QTest::newRow("version") << QStringList{"--version"} << "zunov-cli 1.0\n";
    // The bench's folder holds the emulator's COM3 and a COM1 that leads nowhere.
    QTest::newRow("ports: the emulator's link")
        << QStringList{"ports"} << "\nCOM3 → DEVICE (odkaz v pracovní složce)\n";
    QTest::newRow("ports: a link that leads nowhere")
        << QStringList{"ports"}
        << "COM1 → FOLDER/absent-device (odkaz v pracovní složce, cíl neexistuje)\n";
}

void tst_ZunovCli::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    Bench bench;
    const ProgramRun run = bench.run(arguments);
    out.replace("DEVICE", bench.device()).replace("FOLDER", bench.folder.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out.constData());
    QVERIFY(run.err.isEmpty());
}

enum class PortTrouble { Missing, NotSerial, Busy };

void tst_ZunovCli::cannotOpen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<PortTrouble>("trouble");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("remedy"); // the client has options, not a settings window
    QTest::newRow("nothing there")
        << QStringList{"test", "--device", "FOLDER/ttyUSB9"} << PortTrouble::Missing
        << "zařízení neexistuje"
        << "Je převodník připojený? Zkontrolujte kabel, nebo zvolte jiné zařízení volbou "
           "--device <cesta> či --port <číslo>.";
    QTest::newRow("not a serial device")
        << QStringList{"measure", "--device", "FOLDER/ZUNOV.INI"} << PortTrouble::NotSerial
        << "není to sériové zařízení"
        << "Zvolte sériový port volbou --device <cesta> (například /dev/ttyUSB0) či --port "
           "<číslo>.";
    QTest::newRow("held by another program")
        << QStringList{"generator", "--device", "DEVICE", "--waveform", "pila", "--value", "9"}
        << PortTrouble::Busy
        << QStringLiteral("port používá program tst_zunovcli (PID %1)")
               .arg(QCoreApplication::applicationPid())
        << "Ukončete ho a zkuste to znovu.";
}

void tst_ZunovCli::cannotOpen()
{
    QFETCH(QStringList, arguments);
    QFETCH(PortTrouble, trouble);
    QFETCH(QString, reason);
    QFETCH(QString, remedy);
    Bench bench;
    bench.writeIni("[NASTAVENI]\r\n");
    std::unique_ptr<TSerial> holder;
    if (trouble == PortTrouble::Busy) {
        holder = std::make_unique<TSerial>(0, bench.folder.path(), bench.device());
        QVERIFY(holder->IsOpen());
    }
    const ProgramRun run = bench.run(arguments);
    QCOMPARE(run.exitCode, 3);
    const QString device = QString(arguments.at(arguments.indexOf("--device") + 1))
                               .replace("FOLDER", bench.folder.path())
                               .replace("DEVICE", bench.device());
    const QString expected = QStringLiteral("zunov-cli: Zařízení %1 nelze otevřít: %2.\n%3\n")
                                 .arg(device, reason, remedy);
    QCOMPARE(QString::fromUtf8(run.err), expected);
    QVERIFY(bench.instrument.framesReceived().empty());
}

void tst_ZunovCli::deviceChoice_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--device") << QByteArray("[NASTAVENI]\nPort=1\n")
                              << QStringList{"--device", "DEVICE"};
    QTest::newRow("--port: COM3 in the folder") << QByteArray() << QStringList{"--port", "3"};
    QTest::newRow("--port wins over Zarizeni")
        << QByteArray("[NASTAVENI]\nZarizeni=/dev/zunov-none\n") << QStringList{"--port", "3"};
    QTest::newRow("ZUNOV.INI: Port") << QByteArray("[NASTAVENI]\nPort=3\n") << QStringList{};
    QTest::newRow("ZUNOV.INI: Zarizeni")
        << QByteArray("[NASTAVENI]\nPort=1\nZarizeni=\"DEVICE\"\n") << QStringList{};
}

void tst_ZunovCli::deviceChoice()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, arguments);
    Bench bench;
    if (!ini.isEmpty())
        bench.writeIni(ini);
    const ProgramRun run = bench.run(QStringList{"measure", "--count", "1"} + arguments);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(bench.instrument.framesReceived(), std::vector{kPollFrame});
}

void tst_ZunovCli::pollPeriod_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("periodMs");
    QTest::newRow("no TSER: a second") << QByteArray("Port=3") << QStringList{} << 1000;
    QTest::newRow("TSER 0: a second") << QByteArray("Port=3\nTSER=0") << QStringList{} << 1000;
    QTest::newRow("TSER") << QByteArray("Port=3\nTSER=200") << QStringList{} << 200;
    QTest::newRow("--period over TSER")
        << QByteArray("Port=3\nTSER=5000") << QStringList{"--period", "150"} << 150;
}

// Three polls take two periods.
void tst_ZunovCli::pollPeriod()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, arguments);
    QFETCH(int, periodMs);
    Bench bench;
    bench.writeIni("[NASTAVENI]\n" + ini + "\n");
    QElapsedTimer clock;
    clock.start();
    const ProgramRun run = bench.run(QStringList{"measure", "--count", "3"} + arguments);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY2(elapsed >= 2 * periodMs && elapsed < 2 * periodMs + 1200,
             qPrintable(QString::number(elapsed)));
}

void tst_ZunovCli::echoTest_data()
{
    QTest::addColumn<zunovsim::Faults>("faults");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out");
    const QStringList steps{"Test prvního bajtu: odesláno 111, přijato ",
                            "Test druhého bajtu: odesláno 111, přijato ",
                            "Test třetího bajtu: odesláno 111, přijato ",
                            "Test čtvrtého bajtu: odesláno 111, přijato "};
    QTest::newRow("answering") << zunovsim::Faults{} << 0
                               << QStringList{steps[0] + "111", steps[1] + "111", steps[2] + "111",
                                              steps[3] + "111", "ZUNOV je ONLINE"};
    QTest::newRow("silent") << zunovsim::Faults{.silence = true} << 1
                            << QStringList{steps[0] + "nic", "První bajt neprošel!! ",
                                           steps[1] + "nic", "Druhý bajt neprošel!! ",
                                           steps[2] + "nic", "Třetí bajt neprošel!! ",
                                           steps[3] + "nic", "Čtvrtý bajt neprošel!! "};
    QTest::newRow("wrong fourth echo")
        << zunovsim::Faults{.wrongEchoStep = 4} << 1
        << QStringList{steps[0] + "111", steps[1] + "111", steps[2] + "111", steps[3] + "110",
                       "Čtvrtý bajt neprošel!! "};
    QTest::newRow("only the fourth decides")
        << zunovsim::Faults{.wrongEchoStep = 2} << 0
        << QStringList{steps[0] + "111", steps[1] + "110", "Druhý bajt neprošel!! ",
                       steps[2] + "111", steps[3] + "111", "ZUNOV je ONLINE"};
}

void tst_ZunovCli::echoTest()
{
    QFETCH(zunovsim::Faults, faults);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);
    Bench bench;
    bench.instrument.setFaults(faults);
    const ProgramRun run = bench.run({"test", "--device", "DEVICE"});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(lines(run.out), QStringList{"Zařízení: " + bench.device()} + out);
    QVERIFY(run.err.isEmpty());
}

void tst_ZunovCli::echoTestNamesTheDevice_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("device"); // DEVICE and FOLDER as in the arguments
    QTest::newRow("--device") << QByteArray() << QStringList{"--device", "DEVICE"}
                              << "Zařízení: DEVICE";
    QTest::newRow("--port: the link and where it leads")
        << QByteArray() << QStringList{"--port", "3"} << "Zařízení: FOLDER/COM3 → DEVICE";
    QTest::newRow("ZUNOV.INI: Port")
        << QByteArray("[NASTAVENI]\nPort=3\n") << QStringList{} << "Zařízení: FOLDER/COM3 → DEVICE";
    QTest::newRow("ZUNOV.INI: Zarizeni")
        << QByteArray("[NASTAVENI]\nZarizeni=\"DEVICE\"\n") << QStringList{} << "Zařízení: DEVICE";
}

// Found by a number or in ZUNOV.INI, the device may not be the one the user
// had in mind: the first line of the test says which it was.
void tst_ZunovCli::echoTestNamesTheDevice()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, arguments);
    QFETCH(QString, device);
    Bench bench;
    if (!ini.isEmpty())
        bench.writeIni(ini);
    const ProgramRun run = bench.run(QStringList{"test"} + arguments);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    device.replace("FOLDER", bench.folder.path()).replace("DEVICE", bench.device());
    QCOMPARE(lines(run.out).value(0), device);
}

void tst_ZunovCli::measureFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QStringList>("readings"); // each line without its time
    // With decimal commas the display texts need quotes.
    QTest::newRow("csv") << "csv" << QByteArray("cs_CZ.UTF-8")
                         << QStringList{"time,quantity,value,unit,display,raw",
                                        "U1,12.3,V,\"12,3 V\",99 97 123 45",
                                        "U2,4.5,V,\"04,5 V\",99 97 123 45",
                                        "R,470,Ohm,0470 ohm,102 201 0 47",
                                        "f,66051,Hz,\"66051,000000Hz\",101 1 2 3"};
    QTest::newRow("json") << "json" << QByteArray("C.UTF-8")
                          << QStringList{"U1|12.3|V|12.3 V|99,97,123,45",
                                         "U2|4.5|V|04.5 V|99,97,123,45",
                                         "R|470|Ohm|0470 ohm|102,201,0,47",
                                         "f|66051|Hz|66051.000000Hz|101,1,2,3"};
    QTest::newRow("text") << "text" << QByteArray("C.UTF-8")
                          << QStringList{"U1  12.3 V", "U2  04.5 V", "R   0470 ohm",
                                         "f   66051.000000Hz"};
}

void tst_ZunovCli::measureFormats()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, locale);
    QFETCH(QStringList, readings);
    Bench bench;
    bench.instrument.queueReplies({{'c', 'a', 123, 45}, {'f', 201, 0, 47}, {'e', 1, 2, 3}});
    const ProgramRun run = bench.run(
        {"measure", "--device", "DEVICE", "--count", "3", "--period", "20", "--format", format},
        withLocale(locale));
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(run.err.isEmpty());
    QCOMPARE(bench.instrument.framesReceived(), std::vector(3, kPollFrame));

    QStringList shown;
    for (const QString &line : lines(run.out)) {
        if (format == "csv")
            shown << (line.startsWith("time,") ? line : line.section(',', 1));
        else if (format == "json")
            shown << jsonReading(line);
        else
            shown << line.section(' ', 2).trimmed();
    }
    QCOMPARE(shown, readings);
    // Every row is whole, in the line end of its format.
    QVERIFY(run.out.endsWith(format == "csv" ? "\r\n" : "\n"));
    if (format == "csv")
        QCOMPARE(run.out.count("\r\n"), readings.size());
}

void tst_ZunovCli::measureRecordsToFiles_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("files"); // in the bench's folder
    QTest::addColumn<QString>("error");     // on standard error; empty: none

    QTest::newRow("one file") << QStringList{"--log", "z.csv"} << 0 << QStringList{"z.csv"}
                              << QString();
    // A header and one reply's rows pass 100 bytes: a file for each reply.
    QTest::newRow("a file for each reply")
        << QStringList{"--log", "z.csv", "--log-rotate", "100"} << 0
        << QStringList{"z-0001.csv", "z-0002.csv", "z-0003.csv"} << QString();
    QTest::newRow("daily") << QStringList{"--log", "z.csv", "--log-rotate", "daily"} << 0
                           << QStringList{QDate::currentDate().toString("'z-'yyyy-MM-dd'.csv'")}
                           << QString();
    QTest::newRow("a folder that is not there")
        << QStringList{"--log", "none/z.csv"} << 1 << QStringList{}
        << "zunov-cli: Záznam nelze spustit: soubor none/z.csv nelze otevřít.";
    QTest::newRow("disk full") << QStringList{"--log", "/dev/full"} << 1 << QStringList{}
                               << "zunov-cli: Záznam byl zastaven: do souboru /dev/full se "
                                  "nepodařilo zapsat.";
}

// The rows of standard output, unchanged, and the same rows in the files.
void tst_ZunovCli::measureRecordsToFiles()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, files);
    QFETCH(QString, error);
    Bench bench;
    bench.instrument.queueReplies({{'c', 'a', 123, 45}, {'f', 201, 0, 47}, {'e', 1, 2, 3}});
    const ProgramRun run = bench.run(
        QStringList{"measure", "--device", "DEVICE", "--count", "3", "--period", "20"} + options);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(run.err).trimmed(), error);
    if (error.contains("nelze otevřít")) {
        QVERIFY(run.out.isEmpty());
        QVERIFY(bench.instrument.framesReceived().empty());
        return;
    }
    // Measuring goes on when the recording fails.
    QCOMPARE(run.out.count("\r\n"), 5);
    QByteArray recorded;
    for (const QString &name : files) {
        QFile file(bench.folder.filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("time,quantity,value,unit,display,raw\r\n"));
        recorded += bytes.mid(bytes.indexOf('\n') + 1);
        const QJsonObject described =
            QJsonDocument::fromJson([&] {
                QFile sidecar(file.fileName() + ".json");
                return sidecar.open(QIODevice::ReadOnly) ? sidecar.readAll() : QByteArray();
            }())
                .object()["runs"]
                .toArray()
                .last()
                .toObject();
        QVERIFY2(described["program"].toString().startsWith("zunov-cli "), qPrintable(name));
        QCOMPARE(described["poll_period_ms"].toInt(), 20);
        QCOMPARE(described["generator"], QJsonValue());
        QCOMPARE(described["rows"].toInt(), int(bytes.count('\n')) - 1);
    }
    if (!files.isEmpty())
        QCOMPARE(recorded, run.out.mid(run.out.indexOf('\n') + 1));
    QDir folder(bench.folder.path());
    QCOMPARE(folder.entryList({"*.csv"}, QDir::Files, QDir::Name), files);
}

void tst_ZunovCli::statisticsAndLimits_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("statistics"); // on standard error
    QTest::addColumn<QString>("lastLine");       // of standard output
    const QStringList stats{"STAT U1 n=2 min=10 max=12.3 mean=11.15 sd=1.6263455967290599 unit=V",
                            "STAT U2 n=2 min=4.1 max=4.5 mean=4.3 sd=0.2828427124746193 unit=V",
                            "STAT R n=1 min=470 max=470 mean=470 sd=0 unit=Ohm"};
    const QString resistanceRow = "R,470,Ohm,0470 ohm,102 201 0 47";
    QTest::newRow("statistics") << QStringList{"--stats"} << 0 << stats << resistanceRow;
    QTest::newRow("statistics as JSON")
        << QStringList{"--stats", "--format", "json"} << 0 << stats
        << "{\"stats\":[{\"quantity\":\"U1\",\"n\":2,\"min\":10,\"max\":12.3,\"mean\":11.15,"
           "\"sd\":1.6263455967290599,\"unit\":\"V\"},{\"quantity\":\"U2\",\"n\":2,\"min\":4.1,"
           "\"max\":4.5,\"mean\":4.3,\"sd\":0.2828427124746193,\"unit\":\"V\"},{\"quantity\":"
           "\"R\",\"n\":1,\"min\":470,\"max\":470,\"mean\":470,\"sd\":0,\"unit\":\"Ohm\"}]}";
    // The bounds belong to the limits.
    QTest::newRow("inside the limits") << QStringList{"--limit", "U1=10:12.3", "--limit", "R=470:"}
                                       << 0 << QStringList{} << resistanceRow;
    QTest::newRow("above a limit")
        << QStringList{"--limit", "U1=:12.29"} << 4 << QStringList{} << resistanceRow;
    QTest::newRow("below a limit") << QStringList{"--limit", "U2=4.2:", "--limit", "R=0:1000"} << 4
                                   << QStringList{} << resistanceRow;
    QTest::newRow("a limit of a quantity not measured")
        << QStringList{"--limit", "I=0:0"} << 0 << QStringList{} << resistanceRow;
}

void tst_ZunovCli::statisticsAndLimits()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, statistics);
    QFETCH(QString, lastLine);
    Bench bench;
    bench.instrument.queueReplies({{'c', 'a', 123, 45}, {'c', 'a', 100, 41}, {'f', 201, 0, 47}});
    const ProgramRun run = bench.run(
        QStringList{"measure", "--device", "DEVICE", "--count", "3", "--period", "20"} + options);
    QCOMPARE(run.exitCode, exitCode);
    // A reading outside its limits does not end the measurement.
    QCOMPARE(bench.instrument.framesReceived(), std::vector(3, kPollFrame));
    QCOMPARE(lines(run.err), statistics);
    const QString last = lines(run.out).value(lines(run.out).size() - 1);
    QCOMPARE(options.contains("json") ? last : last.section(',', 1), lastLine);
}

void tst_ZunovCli::incompleteReplies_data()
{
    QTest::addColumn<zunovsim::Faults>("faults");
    QTest::addColumn<int>("polls");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("warnings");
    const QString lost = "zunov-cli: Neúplná odpověď přístroje: %1 ze 4 bajtů.";
    QTest::newRow("one reply cut short")
        << zunovsim::Faults{.dropByte = 3} << 3 << 0 << 2 << QStringList{lost.arg(2)};
    QTest::newRow("silent instrument")
        << zunovsim::Faults{.silence = true} << 2 << 1 << 0
        << QStringList{lost.arg(0), lost.arg(0), "zunov-cli: Přístroj neodpověděl."};
}

void tst_ZunovCli::incompleteReplies()
{
    QFETCH(zunovsim::Faults, faults);
    QFETCH(int, polls);
    QFETCH(int, exitCode);
    QFETCH(int, rows);
    QFETCH(QStringList, warnings);
    Bench bench;
    bench.instrument.queueReplies({{'g', 0, 0, 1}, {'g', 0, 0, 2}, {'g', 0, 0, 3}});
    bench.instrument.setFaults(faults);
    const ProgramRun run =
        bench.run({"measure", "--device", "DEVICE", "--count", QString::number(polls)});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(lines(run.err), warnings);
    QCOMPARE(lines(run.out).size(), 1 + rows);
}

void tst_ZunovCli::generator_data()
{
    QTest::addColumn<QString>("waveform");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");
    QTest::newRow("sinus") << "sinus" << 30 << 255;
    QTest::newRow("sinus2") << "sinus2" << 60 << 1;
    QTest::newRow("obdelnik") << "obdelnik" << 40 << 0;
    QTest::newRow("pila") << "pila" << 50 << 128;
    QTest::newRow("trojuhelnik") << "trojuhelnik" << 20 << 17;
}

void tst_ZunovCli::generator()
{
    QFETCH(QString, waveform);
    QFETCH(int, code);
    QFETCH(int, value);
    Bench bench;
    const ProgramRun run = bench.run({"generator", "--device", "DEVICE", "--waveform", waveform,
                                      "--value", QString::number(value)});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const zunovsim::Frame frame{100, uint8_t(code), uint8_t(value), 0};
    QCOMPARE(bench.instrument.framesReceived(), std::vector{frame});
    QCOMPARE(bench.instrument.lastGenerator(),
             std::optional(zunovsim::GeneratorSetting{uint8_t(code), uint8_t(value)}));
    // The instrument echoes a generator frame.
    const QString bytes = QStringLiteral("100 %1 %2 0").arg(code).arg(value);
    QCOMPARE(lines(run.out), (QStringList{"Odesláno: " + bytes, "Přijato: " + bytes}));

    bench.instrument.setFaults({.silence = true});
    const ProgramRun silent = bench.run({"generator", "--device", "DEVICE", "--waveform", waveform,
                                         "--value", QString::number(value)});
    QCOMPARE(silent.exitCode, 1);
    QCOMPARE(silent.err, QByteArray("zunov-cli: Neúplná odpověď přístroje: 0 ze 4 bajtů.\n"));
}

void tst_ZunovCli::sweep_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("lost");
    QTest::newRow("csv") << "csv" << false;
    QTest::newRow("json") << "json" << false;
    QTest::newRow("the instrument is pulled out") << "csv" << true;
}

// A sweep over the emulator's low-pass: one row per step as it completes,
// the generator set in the order of the steps.
void tst_ZunovCli::sweep()
{
    QFETCH(QString, format);
    QFETCH(bool, lost);
    Bench bench;
    bench.instrument.setBench(20.0);
    // Pulled out during the third step's settle time: it goes a moment (a
    // tenth of a second) after that step's upload; the long settle time keeps
    // a busy machine from polling before then.
    if (lost)
        bench.instrument.setFaults({.hangUpAfter = 2 * 5 + 1});
    const ProgramRun run = bench.run({"sweep",       "--device",
                                      "DEVICE",      "--waveform",
                                      "trojuhelnik", "--from",
                                      "10",          "--to",
                                      "250",         "--steps",
                                      "4",           "--log-spacing",
                                      "--settle",    lost ? "1000" : "5",
                                      "--readings",  "4",
                                      "--period",    "1",
                                      "--format",    format});
    const QStringList rows = lines(run.out);
    if (lost) {
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray("zunov-cli: Přístroj se odpojil; rozmítání skončilo po 2 "
                                     "krocích z 4.\n"));
        QCOMPARE(rows.size(), 3);
        return;
    }
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const std::vector<zunovsim::Frame> uploads{
        {100, 20, 10, 0}, {100, 20, 29, 0}, {100, 20, 85, 0}, {100, 20, 250, 0}};
    std::vector<zunovsim::Frame> frames = bench.instrument.framesReceived();
    std::erase_if(frames, [](const zunovsim::Frame &frame) { return frame[0] != 100; });
    QCOMPARE(frames, uploads);
    if (format == "csv") {
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(0), "step,waveform,value,tx,U1_n,U1_mean,U1_sd,U2_n,U2_mean,U2_sd,R_n,"
                             "R_mean,R_sd,f_n,f_mean,f_sd,I_n,I_mean,I_sd");
        QVERIFY2(rows.at(4).startsWith("4,Trojúhelník,250,100 20 250 0,1,"),
                 qPrintable(rows.at(4)));
        return;
    }
    QCOMPARE(rows.size(), 4);
    const QJsonObject last = QJsonDocument::fromJson(rows.at(3).toUtf8()).object();
    QCOMPARE(last["step"].toInt(), 4);
    QCOMPARE(last["waveform"].toString(), "Trojúhelník");
    QCOMPARE(last["U1_n"].toInt(), 1);
    QCOMPARE(last["U1_mean"].toDouble(), 10.0);
    // The emulator's 50 Hz against a 20 Hz corner: about 3.7 V.
    QVERIFY(std::abs(last["U2_mean"].toDouble() - 3.7) < 0.3);
}

void tst_ZunovCli::stopSignalWaitsForTheReply_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("Ctrl+C") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
}

// The signal comes while the first reply is still on its way (its third byte
// is late): the reply is written whole, and the port is closed.
void tst_ZunovCli::stopSignalWaitsForTheReply()
{
    QFETCH(int, signal);
    Bench bench;
    bench.instrument.queueReplies({{'g', 0, 0, 42}});
    bench.instrument.setFaults({.lateByte = 3, .lateDelay = 800ms});
    QProcess client;
    client.setProcessEnvironment(cliEnvironment());
    client.setWorkingDirectory(bench.folder.path());
    client.start(ZUNOV_CLI, {"measure", "--device", bench.device(), "--period", "60000"});
    const auto stopClient = qScopeGuard([&client] {
        client.kill();
        client.waitForFinished();
    });
    QVERIFY(client.waitForStarted());
    QByteArray out;
    // The header goes out just before the first poll.
    QTRY_VERIFY_WITH_TIMEOUT((out += client.readAllStandardOutput()).startsWith("time,"), 5000);
    QCOMPARE(::kill(pid_t(client.processId()), signal), 0);

    QVERIFY(client.waitForFinished(kStopTimeoutMs));
    QCOMPARE(client.exitStatus(), QProcess::NormalExit);
    QCOMPARE(client.exitCode(), 0);
    out += client.readAllStandardOutput();
    QCOMPARE(lines(out).size(), 2);
    QVERIFY(out.endsWith(",I,0.42,A,0.42A,103 0 0 42\r\n"));
    QCOMPARE(bench.instrument.exchangeCount(), 1);
    QVERIFY(TSerial(0, bench.folder.path(), bench.device()).IsOpen());
}

// Ctrl+C during a sweep ends it after the exchange under way, with the rows
// of the finished steps and success, instead of killing the client.
void tst_ZunovCli::sweepEndsOnStopSignal()
{
    Bench bench;
    QProcess client;
    client.setProcessEnvironment(cliEnvironment());
    client.setWorkingDirectory(bench.folder.path());
    client.start(ZUNOV_CLI, {"sweep", "--device", bench.device(), "--steps", "100", "--settle", "5",
                             "--readings", "2", "--period", "50"});
    const auto stopClient = qScopeGuard([&client] {
        client.kill();
        client.waitForFinished();
    });
    QVERIFY(client.waitForStarted());
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT(lines(out += client.readAllStandardOutput()).size() >= 2, 5000);
    QCOMPARE(::kill(pid_t(client.processId()), SIGINT), 0);

    QVERIFY(client.waitForFinished(kStopTimeoutMs));
    QCOMPARE(client.exitStatus(), QProcess::NormalExit);
    QCOMPARE(client.exitCode(), 0);
    out += client.readAllStandardOutput();
    QVERIFY(lines(out).size() < 101);
    QVERIFY(out.endsWith("\r\n"));
}

void tst_ZunovCli::fullDiskIsSaidInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("cs") << "cs"
                        << QByteArray("zunov-cli: Výstup nelze zapsat: na disku není místo.\n");
    QTest::newRow("en") << "en"
                        << QByteArray("zunov-cli: Cannot write the output: no space left on the "
                                      "disk.\n");
}

// The cause comes from the program's own table, not from the C library,
// which speaks English only.
void tst_ZunovCli::fullDiskIsSaidInTheLanguage()
{
    QFETCH(QString, language);
    Bench bench;
    QProcess client;
    client.setProcessEnvironment(cliEnvironment());
    client.setWorkingDirectory(bench.folder.path());
    client.setStandardOutputFile(QStringLiteral("/dev/full"));
    client.start(ZUNOV_CLI,
                 {"--lang", language, "measure", "--device", bench.device(), "--count", "1"});
    QVERIFY(client.waitForFinished(kStopTimeoutMs));
    QCOMPARE(client.exitCode(), 1);
    QTEST(client.readAllStandardError(), "message");
}

void tst_ZunovCli::lostDeviceIsOpenedAgain_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("away");
    QTest::addColumn<QByteArray>("back");
    QTest::addColumn<QByteArray>("reading"); // of the reply that came back
    QTest::newRow("text") << "text" << QByteArray("  link  OFFLINE\n")
                          << QByteArray("  link  ONLINE\n") << QByteArray("  I   0.77A\n");
    QTest::newRow("csv") << "csv" << QByteArray(",link,0,,OFFLINE,\r\n")
                         << QByteArray(",link,1,,ONLINE,\r\n")
                         << QByteArray(",I,0.77,A,0.77A,103 0 0 77\r\n");
    QTest::newRow("json")
        << "json"
        << QByteArray(",\"quantity\":\"link\",\"value\":0,\"unit\":\"\",\"display\":\"OFFLINE\","
                      "\"raw\":[]}\n")
        << QByteArray(",\"quantity\":\"link\",\"value\":1,\"unit\":\"\",\"display\":\"ONLINE\","
                      "\"raw\":[]}\n")
        << QByteArray("\"display\":\"0.77A\",\"raw\":[103,0,0,77]}\n");
}

// An adapter pulled out and plugged in again during a measurement: warnings
// while it is away, and readings again once it is back.
void tst_ZunovCli::lostDeviceIsOpenedAgain()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, away);
    QFETCH(QByteArray, back);
    QFETCH(QByteArray, reading);
    Bench bench;
    QProcess client;
    client.setProcessEnvironment(cliEnvironment());
    client.setWorkingDirectory(bench.folder.path());
    const QString log = bench.folder.filePath(QStringLiteral("gap.csv"));
    client.start(ZUNOV_CLI, {"measure", "--port", QString::number(kLinkedPort), "--period", "100",
                             "--format", format, "--log", log});
    const auto stopClient = qScopeGuard([&client] {
        client.kill();
        client.waitForFinished();
    });
    QVERIFY(client.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(bench.instrument.exchangeCount() > 0, 5000);
    bench.instrument.setFaults({.hangUpAfter = 1});
    QTRY_VERIFY_WITH_TIMEOUT(bench.instrument.hungUp(), 5000);
    bench.instrument.stop();
    QByteArray err;
    QTRY_VERIFY2_WITH_TIMEOUT((err += client.readAllStandardError()).contains("Neúplná odpověď"),
                              err.constData(), 5000);

    bench.instrument.setFaults({});
    bench.instrument.queueReplies({{'g', 0, 0, 77}});
    bench.instrument.start();
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += client.readAllStandardOutput()).contains(reading), 5000);
    // The absence is marked once, and the return before the reading it brought.
    const qsizetype awayAt = out.indexOf(away);
    const qsizetype backAt = out.indexOf(back);
    QVERIFY2(awayAt > 0 && backAt > awayAt && out.indexOf(reading) > backAt
                 && out.count("OFFLINE") == 1,
             out.constData());
    QCOMPARE(::kill(pid_t(client.processId()), SIGINT), 0);
    QVERIFY(client.waitForFinished(kStopTimeoutMs));
    QCOMPARE(client.exitCode(), 0);
    // The recording marks the gap too, in CSV whatever the output's format.
    const QByteArray recorded = fileBytes(log);
    QVERIFY2(recorded.count(",link,0,,OFFLINE,\r\n") == 1
                 && recorded.count(",link,1,,ONLINE,\r\n") == 1,
             recorded.constData());
}

void tst_ZunovCli::languageChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("locale"); // the variables set; the others are not
    QTest::addColumn<bool>("english");
    const QStringList none;
    QTest::newRow("no locale") << none << none << false;
    QTest::newRow("--lang en") << QStringList{"--lang", "en"} << none << true;
    QTest::newRow("--lang cs in an English locale")
        << QStringList{"--lang", "cs"} << QStringList{"LANG=en_US.UTF-8"} << false;
    QTest::newRow("LANG English") << none << QStringList{"LANG=en_US.UTF-8"} << true;
    QTest::newRow("LANG en alone") << none << QStringList{"LANG=en"} << true;
    QTest::newRow("LANG POSIX") << none << QStringList{"LANG=POSIX"} << false;
    QTest::newRow("LC_MESSAGES over LANG")
        << none << QStringList{"LC_MESSAGES=en_GB", "LANG=cs_CZ.UTF-8"} << true;
    QTest::newRow("LC_ALL=C over LANG")
        << none << QStringList{"LC_ALL=C", "LANG=en_US.UTF-8"} << false;
    QTest::newRow("LC_ALL over LC_MESSAGES")
        << none << QStringList{"LC_ALL=en_US.UTF-8", "LC_MESSAGES=cs_CZ.UTF-8"} << true;
    QTest::newRow("an empty LC_ALL chooses nothing")
        << none << QStringList{"LC_ALL=", "LANG=en_US.UTF-8"} << true;
    // The global option after the command, and every command's own options.
    for (const QString command : {"test", "measure", "generator", "sweep"})
        QTest::addRow("%s --lang en", qPrintable(command))
            << QStringList{command, "--lang", "en"} << none << true;
}

// Told by the help, which an English text left out of the translation would
// show in Czech.
void tst_ZunovCli::languageChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, locale);
    QFETCH(bool, english);
    QProcessEnvironment environment = cliEnvironment();
    environment.remove("LC_ALL");
    for (const QString &variable : locale)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    const ProgramRun run = runProgram(ZUNOV_CLI, arguments + QStringList{"--help"}, environment);
    QCOMPARE(run.exitCode, 0);
    const QString out = QString::fromUtf8(run.out);
    QVERIFY2(out.startsWith(english ? "Usage: zunov-cli " : "Použití: zunov-cli "),
             qPrintable(out));
    QVERIFY2(!english || out.toUtf8() == out.toLatin1(), qPrintable(out)); // no Czech letters
}

void tst_ZunovCli::englishMessages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err"); // FOLDER stands for the bench's folder
    QTest::newRow("unknown language in an English locale")
        << QStringList{"ports", "--lang", "xx"} << QByteArray("en_US.UTF-8") << 2
        << "zunov-cli: Unknown language \"xx\"; choose cs or en. (help: zunov-cli ports --help)\n";
    QTest::newRow("the option parser's complaint")
        << QStringList{"--lang", "en", "measure", "--count"} << QByteArray("C.UTF-8") << 2
        << "zunov-cli: The option --count needs a value. (help: zunov-cli measure --help)\n";
    QTest::newRow("a device that is not there")
        << QStringList{"test", "--device", "FOLDER/ttyUSB9"} << QByteArray("en_GB.UTF-8") << 3
        << "zunov-cli: Cannot open the device FOLDER/ttyUSB9: the device does not exist.\nIs the "
           "adapter connected? Check the cable, or choose another device with --device <path> "
           "or --port <number>.\n";
}

void tst_ZunovCli::englishMessages()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, locale);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    Bench bench;
    const ProgramRun run = bench.run(arguments, withLocale(locale));
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(QString::fromUtf8(run.err), err.replace("FOLDER", bench.folder.path()));
}

void tst_ZunovCli::sameDataInEitherLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<zunovsim::Faults>("faults");
    QTest::addColumn<QString>("czech"); // a message on standard error
    QTest::addColumn<QString>("english");
    const QStringList measure{"measure", "--device", "DEVICE", "--count", "3", "--period", "20"};
    const QString cut = "zunov-cli: Neúplná odpověď přístroje: 2 ze 4 bajtů.";
    const QString cutEnglish = "zunov-cli: Incomplete reply from the instrument: 2 of 4 bytes.";
    QTest::newRow("CSV and statistics")
        << measure + QStringList{"--stats"} << zunovsim::Faults{.dropByte = 3} << cut << cutEnglish;
    QTest::newRow("text") << measure + QStringList{"--format", "text"}
                          << zunovsim::Faults{.dropByte = 3} << cut << cutEnglish;
    // Pulled out during the settle time of the second or the third step, a
    // tenth of a second after its upload.
    const QStringList sweep{"sweep",   "--device", "DEVICE",   "--waveform", "trojuhelnik",
                            "--steps", "4",        "--settle", "1000",       "--readings",
                            "4",       "--period", "1"};
    QTest::newRow("a sweep ended after one step")
        << sweep << zunovsim::Faults{.hangUpAfter = 5 + 1}
        << "zunov-cli: Přístroj se odpojil; rozmítání skončilo po 1 kroku z 4."
        << "zunov-cli: The instrument was disconnected; the sweep ended after 1 step of 4.";
    QTest::newRow("a sweep ended after two steps")
        << sweep + QStringList{"--format", "json"} << zunovsim::Faults{.hangUpAfter = 2 * 5 + 1}
        << "zunov-cli: Přístroj se odpojil; rozmítání skončilo po 2 krocích z 4."
        << "zunov-cli: The instrument was disconnected; the sweep ended after 2 steps of 4.";
}

// What goes to standard output is for programs, in either language the same
// (but for the times of the readings); the messages are for people.
void tst_ZunovCli::sameDataInEitherLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(zunovsim::Faults, faults);
    QFETCH(QString, czech);
    QFETCH(QString, english);
    QList<ProgramRun> runs;
    for (const QStringList &language : {QStringList{}, QStringList{"--lang", "en"}}) {
        Bench bench;
        if (arguments.contains("measure"))
            bench.instrument.queueReplies({{'c', 'a', 123, 45}, {'f', 201, 0, 47}, {'e', 1, 2, 3}});
        bench.instrument.setFaults(faults);
        runs << bench.run(language + arguments);
    }
    QCOMPARE(runs[1].exitCode, runs[0].exitCode);
    const QRegularExpression time(
        "\\d{4}-\\d\\d-\\d\\d[T ]\\d\\d:\\d\\d:\\d\\d(\\.\\d+[+-]\\d\\d:\\d\\d)?");
    QVERIFY(!runs[0].out.isEmpty());
    QCOMPARE(QString::fromUtf8(runs[1].out).replace(time, "TIME"),
             QString::fromUtf8(runs[0].out).replace(time, "TIME"));
    const QStringList czechErr = lines(runs[0].err);
    const QStringList englishErr = lines(runs[1].err);
    QVERIFY2(czechErr.contains(czech), runs[0].err.constData());
    QVERIFY2(englishErr.contains(english), runs[1].err.constData());
    // The statistics are data too.
    QCOMPARE(englishErr.filter(QRegularExpression("^STAT ")),
             czechErr.filter(QRegularExpression("^STAT ")));
}

QTEST_GUILESS_MAIN(tst_ZunovCli)
#include "tst_zunovcli.moc"
