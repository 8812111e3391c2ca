#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// scripts/run against the programs of this build, in a working folder of its
// own. ZUNOV is asked only to list the ports, so that it ends at once and the
// script with it.
class tst_RunScript : public QObject
{
    Q_OBJECT

private slots:
    void comPortLink_data();
    void comPortLink();
    void withoutDisplaySaysSoAtOnce();
};

void tst_RunScript::comPortLink_data()
{
    QTest::addColumn<QString>("existingTarget"); // empty: no COM1 before the run
    QTest::addColumn<QString>("said");
    QTest::newRow("no COM1: the emulator's own, gone after the run")
        << QString() << "Instrument emulator on /dev/pts/";
    QTest::newRow("user's link to an unplugged adapter")
        << "/dev/ttyUSB9"
        << "COM1 is not the emulator's: starting ZUNOV against it, without the emulator";
    QTest::newRow("user's link into /dev/pts")
        << "/dev/pts/0"
        << "COM1 is not the emulator's: starting ZUNOV against it, without the emulator";
}

void tst_RunScript::comPortLink()
{
    QFETCH(QString, existingTarget);
    QFETCH(QString, said);
    QTemporaryDir workdir;
    const QString com1 = workdir.filePath("COM1");
    if (!existingTarget.isEmpty())
        QVERIFY(QFile::link(existingTarget, com1));

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ZUNOV_PREBUILT", ZUNOV_BUILD_DIR);
    environment.insert("ZUNOV_WORKDIR", workdir.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("ZUNOV_NO_EMULATOR");
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(ZUNOV_SOURCE_DIR "/scripts/run"), {"--list-ports"});
    QVERIFY(run.waitForFinished(60000));
    const QString output = QString::fromUtf8(run.readAllStandardOutput());
    const QString errors = QString::fromUtf8(run.readAllStandardError());
    QCOMPARE(run.exitCode(), 0);
    QVERIFY2(output.contains(said), qPrintable(output + errors));
    QVERIFY2(errors.isEmpty(), qPrintable(errors));

    if (existingTarget.isEmpty()) {
        QVERIFY(!QFileInfo(com1).isSymLink());
    } else {
        QVERIFY(QFileInfo(com1).isSymLink());
        QCOMPARE(QFileInfo(com1).symLinkTarget(), existingTarget);
    }
}

// Before installing or building anything: the run would end there anyway.
void tst_RunScript::withoutDisplaySaysSoAtOnce()
{
    QTemporaryDir workdir;
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "ZUNOV_PREBUILT"})
        environment.remove(variable);
    environment.insert("ZUNOV_WORKDIR", workdir.path());
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(ZUNOV_SOURCE_DIR "/scripts/run"));
    QVERIFY(run.waitForFinished(10000));
    QCOMPARE(run.exitCode(), 2);
    QVERIFY(run.readAllStandardError().contains("needs a graphical display"));
    QVERIFY(QDir(workdir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_RunScript)
#include "tst_runscript.moc"
