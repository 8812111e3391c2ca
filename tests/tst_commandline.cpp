#include "config/commandline.h"

#include <QtTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
    void terminalOptionsIgnoreTheRest();
    void logRotation_data();
    void logRotation();
};

void tst_CommandLine::parsing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("workdir");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("logFile");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QString>("language");

    QTest::newRow("nothing") << QStringList{} << ""
                             << ""
                             << "" << false << QString();
    QTest::newRow("all values") << QStringList{"--workdir", "/w", "--device=/dev/ttyUSB0", "--log",
                                               "a b.csv"}
                                << "/w"
                                << "/dev/ttyUSB0"
                                << "a b.csv" << false << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << ""
                                    << ""
                                    << "" << true << QString();
    QTest::newRow("value missing") << QStringList{"--device"} << ""
                                   << ""
                                   << "" << true << QString();
    QTest::newRow("stray argument") << QStringList{"COM1"} << ""
                                    << ""
                                    << "" << true << QString();
    QTest::newRow("working folder without a name") << QStringList{"--workdir="} << ""
                                                   << ""
                                                   << "" << true << QString();
    QTest::newRow("English") << QStringList{"--lang", "en"} << ""
                             << ""
                             << "" << false << "en";
    QTest::newRow("a language it does not speak") << QStringList{"--lang", "de"} << ""
                                                  << ""
                                                  << "" << true << QString();
    QTest::newRow("two working folders") << QStringList{"--workdir", "/w", "--user-workdir"} << "/w"
                                         << ""
                                         << "" << true << QString();
}

void tst_CommandLine::parsing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, workdir);
    QFETCH(QString, device);
    QFETCH(QString, logFile);
    QFETCH(bool, failed);
    QFETCH(QString, language);
    const CommandLine line = parseCommandLine(arguments);
    QCOMPARE(!line.error.isEmpty(), failed);
    if (failed)
        return;
    QCOMPARE(line.workdir, workdir);
    QCOMPARE(line.device, device);
    QCOMPARE(line.logFile, logFile);
    QCOMPARE(line.language, language);
}

void tst_CommandLine::terminalOptionsIgnoreTheRest()
{
    // Before the toolkit has taken its own options out, they must not hide
    // a request for help.
    const CommandLine line = parseTerminalOptions({"-platform", "offscreen", "--help"});
    QVERIFY(line.help);
    QVERIFY(!line.version);
    QVERIFY(parseTerminalOptions({"--list-ports"}).listPorts);
    QVERIFY(commandLineHelp().contains(QStringLiteral("--device <cesta>")));
}

void tst_CommandLine::logRotation_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("rotation"); // as typed back; empty: a usage error

    QTest::newRow("no rotation") << QStringList{"--log", "z.csv"} << "none";
    QTest::newRow("daily") << QStringList{"--log", "z.csv", "--log-rotate", "daily"} << "daily";
    QTest::newRow("a size") << QStringList{"--log-rotate=100M", "--log", "z.csv"} << "100M";
    QTest::newRow("a size it cannot read")
        << QStringList{"--log", "z.csv", "--log-rotate", "100MB"} << "";
    QTest::newRow("a size of nothing") << QStringList{"--log", "z.csv", "--log-rotate="} << "";
    QTest::newRow("without --log") << QStringList{"--log-rotate", "20K"} << "";
}

void tst_CommandLine::logRotation()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, rotation);

    const CommandLine line = parseCommandLine(arguments);
    QCOMPARE(line.error.isEmpty(), !rotation.isEmpty());
    if (!rotation.isEmpty())
        QCOMPARE(rotationText(line.logRotation), rotation);
    else
        QVERIFY2(line.error.contains("--log"), qPrintable(line.error));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
