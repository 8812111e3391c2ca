#include "support/programrun.h"

#include <QtTest>

// The installed program, as `cmake --install` lays it out under a prefix:
// the tree, the validators' verdict on the desktop entry and the metadata,
// the manual pages as man shows them, the terminal options without a
// display, and the three ways to start.
class tst_Install : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void desktopEntryIsValid();
    void metadataIsValid();
    void manualPages_data();
    void manualPages();
    void withoutDisplay_data();
    void withoutDisplay();
    void userFolderIsFilledOnceAndThenKept();
    void workdirOption();
    void plainStartLeavesItsFolderAlone();
    void unusableFolderEndsTheProgram();

private:
    QString installed(const QString &path) const { return m_prefix.filePath(path); }
    QString zunov() const { return installed(QStringLiteral("bin/zunov")); }
    ProgramRun start(const QStringList &arguments, const QString &home,
                     const QString &workingDirectory) const;

    QTemporaryDir m_prefix;
    QTemporaryDir m_scratch;
    QTemporaryDir m_runtime;
};

void tst_Install::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_scratch.isValid());
    const ProgramRun install =
        runProgram(QStringLiteral(CMAKE_COMMAND),
                   {"--install", QStringLiteral(ZUNOV_BUILD_DIR), "--prefix", m_prefix.path()},
                   QProcessEnvironment::systemEnvironment());
    QVERIFY2(install.exitCode == 0 && !install.crashed, install.err.constData());
}

void tst_Install::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : {"bin/zunov",
                             "bin/zunov-sim",
                             "bin/zunov-cli",
                             "share/zunov/ZUNOV.INI",
                             "share/zunov/HELP.dat",
                             "share/zunov/HELP_en.dat",
                             "share/zunov/E12.dat",
                             "share/zunov/E24.dat",
                             "share/zunov/E48.dat",
                             "share/zunov/sinu.gen",
                             "share/zunov/sin2.gen",
                             "share/zunov/obde.gen",
                             "share/zunov/pila.gen",
                             "share/zunov/troj.gen",
                             "share/applications/cz.zunov.Zunov.desktop",
                             "share/metainfo/cz.zunov.Zunov.metainfo.xml",
                             "share/icons/hicolor/scalable/apps/cz.zunov.Zunov.svg",
                             "share/icons/hicolor/48x48/apps/cz.zunov.Zunov.png",
                             "share/icons/hicolor/256x256/apps/cz.zunov.Zunov.png",
                             "share/man/man1/zunov.1.gz",
                             "share/man/man1/zunov-sim.1.gz",
                             "share/man/man1/zunov-cli.1.gz",
                             "share/man/cs/man1/zunov.1.gz",
                             "share/man/cs/man1/zunov-sim.1.gz",
                             "share/man/cs/man1/zunov-cli.1.gz",
                             "share/doc/zunov/README.md",
                             "share/doc/zunov/navod.md",
                             "share/doc/zunov/guide.md",
                             "share/doc/zunov/img/hlavni-okno.png",
                             "share/doc/zunov/img/en/hlavni-okno.png",
                             "share/doc/zunov/img/en/graf.png",
                             "share/doc/zunov/copyright",
                             "share/doc/zunov/changelog.gz"}) {
        QTest::newRow(path) << QString::fromLatin1(path);
    }
}

void tst_Install::installedFiles()
{
    QFETCH(QString, path);
    const QFileInfo info(installed(path));
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
    QCOMPARE(info.isExecutable(), path.startsWith(QLatin1String("bin/")));
}

void tst_Install::desktopEntryIsValid()
{
    const ProgramRun check =
        runProgram(QStringLiteral("desktop-file-validate"),
                   {installed(QStringLiteral("share/applications/cz.zunov.Zunov.desktop"))},
                   QProcessEnvironment::systemEnvironment());
    QVERIFY2(check.exitCode == 0 && check.out.isEmpty(), check.out + check.err);
}

void tst_Install::metadataIsValid()
{
    // The tree check also finds the desktop entry and the icon the metadata names.
    const ProgramRun check =
        runProgram(QStringLiteral("appstreamcli"), {"validate-tree", "--no-net", m_prefix.path()},
                   QProcessEnvironment::systemEnvironment());
    QVERIFY2(check.exitCode == 0, check.out + check.err);
}

void tst_Install::manualPages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("header");
    for (const char *program : {"zunov", "zunov-sim", "zunov-cli"}) {
        const QString page = QString::fromLatin1(program) + QStringLiteral(".1.gz");
        QTest::addRow("%s, English", program)
            << QStringLiteral("share/man/man1/") + page << QStringLiteral("User Commands");
        QTest::addRow("%s, Czech", program)
            << QStringLiteral("share/man/cs/man1/") + page << QStringLiteral("Uživatelské příkazy");
    }
}

void tst_Install::manualPages()
{
    QFETCH(QString, path);
    QFETCH(QString, header);
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
        QSKIP("man-db is missing");
    // As a terminal 80 columns wide shows the page; a roff mistake is a warning.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    environment.insert(QStringLiteral("MANPAGER"), QStringLiteral("cat"));
    const ProgramRun run =
        runProgram(QStringLiteral("man"), {"--warnings", "-l", installed(path)}, environment);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    // The page in the folder of its language.
    QVERIFY2(QString::fromUtf8(run.out).contains(header), run.out.left(200).constData());
}

void tst_Install::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << "  --user-workdir"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << "zunov 1.0\n"
                               << "";
    QTest::newRow("no display") << QStringList{} << "" << 2 << ""
                                << "zunov: chybí grafický displej";
    // These answer before any settings file is read: in the language asked for.
    QTest::newRow("--lang en --help")
        << QStringList{"--lang", "en", "--help"} << "" << 0 << "Usage: zunov [options]"
        << "";
    QTest::newRow("--lang en, no display") << QStringList{"--lang", "en"} << "" << 2 << ""
                                           << "zunov: no graphical display";
    // An X display number that nothing serves.
    QTest::newRow("display not reachable")
        << QStringList{} << ":4711" << 2 << ""
        << "zunov: grafický displej není dostupný (DISPLAY=:4711)";
}

void tst_Install::withoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment environment = environmentWithoutDisplay();
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    const ProgramRun run = runProgram(zunov(), arguments, environment, m_scratch.path());
    QVERIFY(!run.crashed);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out.constData());
    if (err.isEmpty()) {
        QVERIFY2(run.err.isEmpty(), run.err.constData());
    } else {
        // One line that says it all.
        QVERIFY2(run.err.startsWith(err.toUtf8()), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
    }
}

ProgramRun tst_Install::start(const QStringList &arguments, const QString &home,
                              const QString &workingDirectory) const
{
    return runProgram(zunov(), arguments, startCheckEnvironment(home, m_runtime.path()),
                      workingDirectory);
}

void tst_Install::userFolderIsFilledOnceAndThenKept()
{
    const QString home = m_scratch.filePath(QStringLiteral("home"));
    const QString folder = home + QStringLiteral("/.local/share/zunov");
    QVERIFY(keepOffSerialPorts(folder));
    const QDir shipped(installed(QStringLiteral("share/zunov")));

    ProgramRun run = start({"--user-workdir"}, home, home);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QCOMPARE(QDir(folder).entryList(QDir::Files), shipped.entryList(QDir::Files));
    for (const QString &name : shipped.entryList(QDir::Files))
        QCOMPARE(fileBytes(folder + '/' + name), fileBytes(shipped.filePath(name)));

    // The user's own settings, and a data file deleted by hand.
    const QByteArray settings = "[NASTAVENI]\r\nPort=3\r\nTSER=250\r\n; mine\r\n";
    QFile ini(folder + QStringLiteral("/ZUNOV.INI"));
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(settings);
    ini.close();
    QVERIFY(QFile::remove(folder + QStringLiteral("/E24.dat")));

    run = start({"--user-workdir"}, home, home);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QCOMPARE(fileBytes(folder + QStringLiteral("/ZUNOV.INI")), settings);
    QCOMPARE(fileBytes(folder + QStringLiteral("/E24.dat")),
             fileBytes(shipped.filePath(QStringLiteral("E24.dat"))));
}

void tst_Install::workdirOption()
{
    // Relative to the folder the program is started in.
    const QString base = m_scratch.filePath(QStringLiteral("workdir-base"));
    QVERIFY(keepOffSerialPorts(base + QStringLiteral("/measurements/today")));
    const ProgramRun run = start({"--workdir", "measurements/today"}, base, base);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QVERIFY(QFileInfo::exists(base + QStringLiteral("/measurements/today/HELP.dat")));
    QVERIFY(!QFileInfo::exists(base + QStringLiteral("/.local")));
}

void tst_Install::plainStartLeavesItsFolderAlone()
{
    const QString folder = m_scratch.filePath(QStringLiteral("plain"));
    QVERIFY(keepOffSerialPorts(folder));
    QFile ini(folder + QStringLiteral("/ZUNOV.INI"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[NASTAVENI]\r\nPort=1\r\n");
    ini.close();
    const ProgramRun run = start({}, folder, folder);
    QCOMPARE(run.exitCode, 1);
    // As always: the help text is read from the folder the program runs in.
    QCOMPARE(run.err, QByteArray("zunov: chyba: Cannot open file HELP.dat.\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"ZUNOV.INI"});
}

void tst_Install::unusableFolderEndsTheProgram()
{
    const QString file = m_scratch.filePath(QStringLiteral("a-file"));
    QFile blocker(file);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ProgramRun run =
        start({"--workdir", file + QStringLiteral("/zunov")}, m_scratch.path(), m_scratch.path());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.err),
             QStringLiteral("zunov: chyba: Pracovní složku %1/zunov nelze vytvořit ani otevřít.\n")
                 .arg(file));
}

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
