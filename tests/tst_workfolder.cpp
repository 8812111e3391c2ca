#include "config/workfolder.h"
#include "support/programrun.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {
const QByteArray kShippedSettings = "[NASTAVENI]\r\nPort=1\r\nTSER=1000\r\n";
const QByteArray kShippedHelp = "Nápověda\r\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class tst_WorkFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void userFolder_data();
    void userFolder();
    void firstStartCopiesEveryFile();
    void presentEntriesAreKept_data();
    void presentEntriesAreKept();
    void folderThatCannotBeMade_data();
    void folderThatCannotBeMade();
    void missingDataFolder();
    void failedCopyLeavesNothingBehind();

private:
    QString dataPath() const { return m_root.filePath(QStringLiteral("data")); }
    QString folderPath() const { return m_root.filePath(QStringLiteral("home/work")); }
    QTemporaryDir m_root;
};

void tst_WorkFolder::init()
{
    QVERIFY(m_root.isValid());
    QDir(m_root.path()).removeRecursively();
    QVERIFY(QDir().mkpath(dataPath()));
    writeFile(dataPath() + QStringLiteral("/ZUNOV.INI"), kShippedSettings);
    writeFile(dataPath() + QStringLiteral("/HELP.dat"), kShippedHelp);
}

void tst_WorkFolder::userFolder_data()
{
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("folder");
    QTest::newRow("XDG_DATA_HOME unset") << ""
                                         << "/home/eva/.local/share/zunov";
    QTest::newRow("XDG_DATA_HOME set") << "/data/eva"
                                       << "/data/eva/zunov";
    QTest::newRow("trailing slash") << "/data/eva/"
                                    << "/data/eva/zunov";
    QTest::newRow("relative XDG_DATA_HOME is ignored") << "data"
                                                       << "/home/eva/.local/share/zunov";
}

void tst_WorkFolder::userFolder()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, folder);
    QCOMPARE(userWorkFolder(xdgDataHome, QStringLiteral("/home/eva")), folder);
}

void tst_WorkFolder::firstStartCopiesEveryFile()
{
    const WorkFolderReport report = prepareWorkFolder(folderPath(), dataPath());
    QVERIFY(report.usable);
    QVERIFY(report.dataFolderFound);
    QVERIFY(report.failed.isEmpty());
    // Exactly the data files: no temporary file stays behind.
    QCOMPARE(QDir(folderPath()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"HELP.dat", "ZUNOV.INI"}));
    QCOMPARE(fileBytes(folderPath() + "/ZUNOV.INI"), kShippedSettings);
    QCOMPARE(fileBytes(folderPath() + "/HELP.dat"), kShippedHelp);
    QVERIFY(QFileInfo(folderPath() + "/HELP.dat").permissions() & QFile::WriteOwner);
}

void tst_WorkFolder::presentEntriesAreKept_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("the user's settings") << "settings";
    QTest::newRow("an empty file") << "empty";
    QTest::newRow("a dangling symbolic link") << "link";
}

void tst_WorkFolder::presentEntriesAreKept()
{
    QFETCH(QString, kind);
    QVERIFY(QDir().mkpath(folderPath()));
    const QString settings = folderPath() + QStringLiteral("/ZUNOV.INI");
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(QStringLiteral("nowhere"), settings));
    else
        writeFile(settings,
                  kind == QLatin1String("empty") ? QByteArray() : "[NASTAVENI]\nPort=4\n");
    const QByteArray before = fileBytes(settings);

    const WorkFolderReport report = prepareWorkFolder(folderPath(), dataPath());
    QVERIFY(report.usable);
    QVERIFY(report.failed.isEmpty());
    QCOMPARE(fileBytes(settings), before);
    QCOMPARE(QFileInfo(settings).isSymLink(), kind == QLatin1String("link"));
    // What was missing still came.
    QCOMPARE(fileBytes(folderPath() + "/HELP.dat"), kShippedHelp);
}

void tst_WorkFolder::folderThatCannotBeMade_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("a file of that name") << "home";
    QTest::newRow("below a file") << "home/sub";
}

void tst_WorkFolder::folderThatCannotBeMade()
{
    QFETCH(QString, folder);
    writeFile(m_root.filePath(QStringLiteral("home")), "not a folder");
    const WorkFolderReport report = prepareWorkFolder(m_root.filePath(folder), dataPath());
    QVERIFY(!report.usable);
    QCOMPARE(fileBytes(m_root.filePath(QStringLiteral("home"))), QByteArray("not a folder"));
}

void tst_WorkFolder::missingDataFolder()
{
    const WorkFolderReport report =
        prepareWorkFolder(folderPath(), m_root.filePath(QStringLiteral("absent")));
    QVERIFY(report.usable);
    QVERIFY(!report.dataFolderFound);
    QVERIFY(QDir(folderPath()).isEmpty());
}

void tst_WorkFolder::failedCopyLeavesNothingBehind()
{
    // A full disk, in small: no file may grow past a few bytes, which stops
    // even a process that may write anywhere.
    constexpr rlim_t kTinyFileLimit = 4;
    QVERIFY(QDir().mkpath(folderPath()));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = kTinyFileLimit;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const WorkFolderReport report = prepareWorkFolder(folderPath(), dataPath());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    QVERIFY(report.usable);
    QCOMPARE(report.failed, (QStringList{"HELP.dat", "ZUNOV.INI"}));
    QVERIFY(QDir(folderPath()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_WorkFolder)
#include "tst_workfolder.moc"
