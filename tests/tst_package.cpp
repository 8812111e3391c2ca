#include "support/programrun.h"

#include <QtTest>

// The Debian package as CPack makes it from this build: its control fields,
// what Debian's own checker says of it, how its binaries were built, and its
// contents unpacked into a folder of their own, from which the program runs
// and starts as the menu entry starts it.
class tst_Package : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controlFields_data();
    void controlFields();
    void lintianFindsNothing();
    void binariesAreHardened_data();
    void binariesAreHardened();
    void changelogStartsWithThisVersion();
    void unpackedProgramTellsItsVersion();
    void menuEntryStartFillsTheUserFolder();

private:
    QString unpacked(const QString &path) const { return m_root.filePath(path); }

    QTemporaryDir m_output;
    QTemporaryDir m_root;
    QTemporaryDir m_runtime;
    QString m_package;
    QString m_architecture;
};

void tst_Package::initTestCase()
{
    for (const char *tool : {"dpkg-deb", "dpkg-shlibdeps"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("dpkg-dev is missing; scripts/setup installs it");
    }
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const ProgramRun architecture =
        runProgram(QStringLiteral("dpkg"), {"--print-architecture"}, environment);
    m_architecture = QString::fromLatin1(architecture.out.trimmed());

    const ProgramRun pack = runProgram(
        QStringLiteral(CPACK_COMMAND),
        {"--config", QStringLiteral(ZUNOV_BUILD_DIR "/CPackConfig.cmake"), "-B", m_output.path()},
        environment);
    QVERIFY2(pack.exitCode == 0, pack.out + pack.err);
    m_package = m_output.filePath(QStringLiteral("zunov_1.0_%1.deb").arg(m_architecture));
    QVERIFY2(QFileInfo::exists(m_package), qPrintable(m_package));

    const ProgramRun unpack =
        runProgram(QStringLiteral("dpkg-deb"), {"-x", m_package, m_root.path()}, environment);
    QVERIFY2(unpack.exitCode == 0, unpack.err.constData());
}

void tst_Package::controlFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("contains");
    QTest::newRow("name") << "Package"
                          << "zunov";
    QTest::newRow("version") << "Version"
                             << "1.0";
    QTest::newRow("section") << "Section"
                             << "electronics";
    QTest::newRow("maintainer") << "Maintainer"
                                << "ZUNOV developers <";
    QTest::newRow("summary") << "Description"
                             << "front-end for the ZUNOV measuring instrument on a serial port\n";
    QTest::newRow("long description") << "Description"
                                      << " ZUNOV checks the link";
    QTest::newRow("libraries found in the binaries") << "Depends"
                                                     << "libqt6widgets6 (>=";
    QTest::newRow("the C library") << "Depends"
                                   << "libc6 (>=";
    QTest::newRow("platform plug-ins") << "Depends"
                                       << "qt6-qpa-plugins";
    QTest::newRow("fonts") << "Recommends"
                           << "fonts-liberation, fonts-comic-neue";
    QTest::newRow("the toolkit's translations") << "Recommends"
                                                << "qt6-translations-l10n";
}

void tst_Package::controlFields()
{
    QFETCH(QString, field);
    QFETCH(QString, contains);
    const ProgramRun run = runProgram(QStringLiteral("dpkg-deb"), {"--field", m_package, field},
                                      QProcessEnvironment::systemEnvironment());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(QString::fromUtf8(run.out).contains(contains), run.out.constData());
    if (field == QLatin1String("Package") || field == QLatin1String("Version"))
        QCOMPARE(QString::fromUtf8(run.out.trimmed()), contains);
}

// At its strictest, experimental checks included. One tag cannot be helped:
// lintian looks for the C library's checked functions (__memcpy_chk and
// the like) in each binary, and finds none, because every call the compiler
// could check is of a size it proves safe on the spot, and the others (Qt's
// and the serial reads into buffers passed in) are of sizes it cannot know.
// The binaries are built with _FORTIFY_SOURCE all the same.
void tst_Package::lintianFindsNothing()
{
    const QSet<QString> explained{QStringLiteral("hardening-no-fortify-functions")};
    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        QFAIL("lintian is missing; scripts/setup installs it");
    const ProgramRun run =
        runProgram(QStringLiteral("lintian"), {"-I", "-E", "--pedantic", m_package},
                   QProcessEnvironment::systemEnvironment());
    QVERIFY2(!run.crashed, run.err.constData());
    QStringList tags;
    for (const QString &line : QString::fromUtf8(run.out).split(QLatin1Char('\n'))) {
        // "I: zunov: tag-name [where]"
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 3 || words[0].size() != 2 || !words[0].endsWith(QLatin1Char(':')))
            continue;
        const bool errorOrWarning =
            words[0] == QLatin1String("E:") || words[0] == QLatin1String("W:");
        if (errorOrWarning || !explained.contains(words[2]))
            tags << line;
    }
    QVERIFY2(tags.isEmpty(), qPrintable(tags.join(QLatin1Char('\n'))));
    QVERIFY2(run.exitCode == 0, run.out + run.err);
}

// As Debian's hardening-check sees them. The checked functions are missing
// for the reason above; stack clash protection shows only in a function with
// a frame large enough to need probing, which these binaries may not have;
// and a binary is marked for control-flow protection only when every object
// linked into it is, while Debian 12's C library start files (Scrt1.o,
// crti.o) are not, however the program's own code is compiled.
void tst_Package::binariesAreHardened_data()
{
    QTest::addColumn<QString>("binary");
    for (const char *binary : {"zunov", "zunov-sim", "zunov-cli"})
        QTest::newRow(binary) << QStringLiteral("usr/bin/") + QLatin1String(binary);
}

void tst_Package::binariesAreHardened()
{
    QFETCH(QString, binary);
    if (QStandardPaths::findExecutable(QStringLiteral("hardening-check")).isEmpty())
        QFAIL("hardening-check is missing; scripts/setup installs devscripts");
    const ProgramRun run = runProgram(QStringLiteral("hardening-check"), {unpacked(binary)},
                                      QProcessEnvironment::systemEnvironment());
    const QString report = QString::fromUtf8(run.out);
    const QStringList lines = report.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1);
    QVERIFY2(lines.size() >= 5, qPrintable(report + QString::fromUtf8(run.err)));
    const QStringList accepted{
        QStringLiteral("Fortify Source functions: no, only unprotected functions found!"),
        QStringLiteral("Stack clash protection: unknown, no -fstack-clash-protection "
                       "instructions found"),
        QStringLiteral("Control flow integrity: no, not found!"),
    };
    for (const QString &line : lines) {
        const QString finding = line.trimmed();
        QVERIFY2(finding.contains(QLatin1String(": yes")) || accepted.contains(finding),
                 qPrintable(report));
    }
}

// Packed as lintian wants it, topped by the entry of the version packed.
void tst_Package::changelogStartsWithThisVersion()
{
    const ProgramRun run =
        runProgram(QStringLiteral("gzip"),
                   {"-dc", unpacked(QStringLiteral("usr/share/doc/zunov/changelog.gz"))},
                   QProcessEnvironment::systemEnvironment());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith("zunov (1.0) "), run.out.left(80).constData());
}

void tst_Package::unpackedProgramTellsItsVersion()
{
    QCOMPARE(runProgram(unpacked(QStringLiteral("usr/bin/zunov-sim")), {"--help"},
                        environmentWithoutDisplay())
                 .exitCode,
             0);
    const ProgramRun run = runProgram(unpacked(QStringLiteral("usr/bin/zunov")), {"--version"},
                                      environmentWithoutDisplay());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("zunov 1.0\n"));
    const ProgramRun client = runProgram(unpacked(QStringLiteral("usr/bin/zunov-cli")),
                                         {"--version"}, environmentWithoutDisplay());
    QCOMPARE(client.exitCode, 0);
    QCOMPARE(client.out, QByteArray("zunov-cli 1.0\n"));
}

void tst_Package::menuEntryStartFillsTheUserFolder()
{
    const QByteArray entry =
        fileBytes(unpacked(QStringLiteral("usr/share/applications/cz.zunov.Zunov.desktop")));
    const qsizetype exec = entry.indexOf("\nExec=");
    QVERIFY(exec >= 0);
    const QByteArray line = entry.mid(exec + 6, entry.indexOf('\n', exec + 1) - exec - 6);
    QStringList command = QString::fromUtf8(line).split(' ');
    QCOMPARE(command.takeFirst(), QStringLiteral("zunov"));

    const QString home = m_output.filePath(QStringLiteral("home"));
    const QString folder = home + QStringLiteral("/.local/share/zunov");
    QVERIFY(keepOffSerialPorts(folder));
    const ProgramRun run = runProgram(unpacked(QStringLiteral("usr/bin/zunov")), command,
                                      startCheckEnvironment(home, m_runtime.path()), home);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QDir shipped(unpacked(QStringLiteral("usr/share/zunov")));
    QVERIFY(!shipped.isEmpty());
    QCOMPARE(QDir(folder).entryList(QDir::Files), shipped.entryList(QDir::Files));
}

QTEST_GUILESS_MAIN(tst_Package)
#include "tst_package.moc"
