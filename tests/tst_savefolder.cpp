#include "config/savefolder.h"
#include "support/programfixture.h"

#include <QAction>
#include <QtTest>
#include <sys/stat.h>

namespace {

ino_t inodeOf(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

// Where the save dialogs open, for a user whose home folder is the test's.
class tst_SaveFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void startFolder_data();
    void startFolder();
    void followsWhereTheUserSaved();
    void nothingKeptOnceTheWindowIsGone();

private:
    QString home(const QString &name = QString()) const
    {
        return name.isEmpty() ? m_home.path() : m_home.filePath(name);
    }

    QTemporaryDir m_home;
    QByteArray m_savedHome;
};

void tst_SaveFolder::initTestCase()
{
    // In test mode the user's folder settings come from the test's own
    // configuration folder, not from the person's running the tests.
    QStandardPaths::setTestModeEnabled(true);
    m_savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void tst_SaveFolder::init()
{
    for (const QString &name : QDir(home()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QVERIFY(QDir(home(name)).removeRecursively());
}

void tst_SaveFolder::cleanupTestCase()
{
    qputenv("HOME", m_savedHome);
}

void tst_SaveFolder::startFolder_data()
{
    QTest::addColumn<QStringList>("folders"); // made in the home folder first
    QTest::addColumn<QString>("stored");      // in the home folder; "-": no key
    QTest::addColumn<QString>("expected");    // in the home folder; empty: the home folder

    QTest::newRow("first time: documents") << QStringList{"Documents"} << "-"
                                           << "Documents";
    QTest::newRow("first time without documents: home") << QStringList{} << "-"
                                                        << "";
    QTest::newRow("where the user saved last") << QStringList{"Documents", "bench"} << "bench"
                                               << "bench";
    QTest::newRow("the last folder removed: documents") << QStringList{"Documents"} << "gone"
                                                        << "Documents";
    QTest::newRow("an empty value: documents") << QStringList{"Documents"} << ""
                                               << "Documents";
    QTest::newRow("a file, not a folder: documents")
        << QStringList{"Documents"} << "Documents/notes.txt"
        << "Documents";
}

void tst_SaveFolder::startFolder()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    for (const QString &folder : folders)
        QVERIFY(QDir(home()).mkpath(folder));
    QFile note(home("Documents/notes.txt"));
    if (QFileInfo(home("Documents")).isDir())
        QVERIFY(note.open(QIODevice::WriteOnly));
    std::optional<QString> value;
    if (stored != "-")
        value = stored.isEmpty() ? stored : home(stored);
    QCOMPARE(startSaveFolder(value), home(expected));
}

// The recording's start dialog and the picture dialogs open in the documents
// folder the first time and then where the user saved last, also after a new
// start; the settings file is written only when that folder changes.
void tst_SaveFolder::followsWhereTheUserSaved()
{
    QVERIFY(QDir(home()).mkpath("Documents") && QDir(home()).mkpath("bench"));
    ProgramFixture program;
    program.start();
    const QString ini = program.path() + QStringLiteral("/ZUNOV.INI");
    auto *record = program.control<QAction>("SpustitZaznam1");
    auto *picture = program.control<QAction>("UlozitGrafProudu1");
    ScriptedFileDialog &dialog = program.fileDialog();

    record->trigger(); // cancelled: nothing is kept
    QCOMPARE(folderOf(dialog.questions().last().suggestedPath), home("Documents"));
    QVERIFY(!QFile::exists(ini));

    dialog.setAnswer(home("bench/run.csv"));
    record->trigger();
    QVERIFY(program.window()->isRecording());
    QCOMPARE(QSettings(ini, QSettings::IniFormat).value("NASTAVENI/PosledniSlozka").toString(),
             home("bench"));
    const ino_t written = inodeOf(ini);

    dialog.setAnswer(home("bench/graph.png"));
    picture->trigger();
    QCOMPARE(folderOf(dialog.questions().last().suggestedPath), home("bench"));
    QVERIFY(QFile::exists(home("bench/graph.png")));
    QCOMPARE(inodeOf(ini), written); // the same folder: the file is not rewritten

    program.start();
    dialog.setAnswer(QString());
    program.control<QAction>("UlozitGrafProudu1")->trigger();
    QCOMPARE(folderOf(dialog.questions().last().suggestedPath), home("bench"));
}

// A file chosen in a dialog after the main window has gone writes no
// settings file, neither the window's nor one in the current folder.
void tst_SaveFolder::nothingKeptOnceTheWindowIsGone()
{
    QVERIFY(QDir(home()).mkpath("Documents") && QDir(home()).mkpath("bench"));
    {
        ProgramFixture program;
        program.start();
    }
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(home()));
    ScriptedFileDialog dialog;
    dialog.setAnswer(home("bench/later.csv"));
    askSaveFileName({QStringLiteral("Uložit"), suggestedPath("zunov", "csv"), QString()});
    QVERIFY(QDir::setCurrent(current));
    // Back to the working folder, as without any window.
    QCOMPARE(folderOf(dialog.questions().last().suggestedPath), home());
    QVERIFY(!QFile::exists(home("ZUNOV.INI")));
}

QTEST_MAIN(tst_SaveFolder)
#include "tst_savefolder.moc"
