#include "config/commandline.h"

#include <QtTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
    void terminalOptionsIgnoreTheRest();
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

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
