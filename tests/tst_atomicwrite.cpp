#include "platform/profilefile.h"
#include "support/filebytes.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The settings file is the one writer of the program's files, so the atomic
// write is tested through it: that way the texts the user sees are checked too.

namespace {

const QByteArray kBefore = "; keep me\r\n[NASTAVENI]\r\nPort=2\r\nTSER=1000\r\n";
// Longer than anything a limit below lets through.
const QString kNewPeriod = QString(200, QLatin1Char('9'));

// Ids that no account on a test machine is expected to have.
constexpr uid_t kOtherUser = 12345;
constexpr gid_t kOtherGroup = 12346;
constexpr uid_t kNobody = 65534;
constexpr mode_t kOwnerAndGroupRead = 0640;
constexpr mode_t kFileForAll = 0666;
constexpr mode_t kFolderForAll = 0777;

// Small enough that no settings file fits, once its temporary copy has to.
constexpr rlim_t kFileSizeLimit = 16;
// tmpfs hands out whole pages; four fit the test's files and fill quickly.
constexpr char kSmallFileSystem[] = "size=16k";

QString unableToWrite(const QString &path)
{
    return "Unable to write to " + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

void saveNewPeriod(const QString &path)
{
    ProfileFile(path).writeStrings("NASTAVENI", {{"Port", "3"}, {"TSER", kNewPeriod}});
}

// Fills the file system that holds folder until a write fails.
void fill(const QString &folder)
{
    QFile filler(QDir(folder).filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(1024, 'x');
    while (filler.write(block) == block.size()) {
    }
}

} // namespace

class tst_AtomicWrite : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void failedWriteLeavesTheFile_data();
    void failedWriteLeavesTheFile();
    void ownerGroupAndModeKept();
    void otherOwnerIsNotTakenOver();
    void linkKeptAndTargetUpdated();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_AtomicWrite::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath("ZUNOV.INI");
}

void tst_AtomicWrite::failedWriteLeavesTheFile_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("file size limit") << false;
    QTest::newRow("full file system") << true;
}

void tst_AtomicWrite::failedWriteLeavesTheFile()
{
    QFETCH(bool, fullDisk);
    QString folder = m_dir->path();
    rlimit saved = {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto restore = qScopeGuard([&] {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        if (fullDisk)
            ::umount(QFile::encodeName(folder).constData());
    });

    if (fullDisk) {
        folder = m_dir->filePath("small");
        QVERIFY(QDir().mkdir(folder));
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, kSmallFileSystem)
            != 0)
            QSKIP(qPrintable("cannot mount a small file system here: "
                             + QString::fromLocal8Bit(strerror(errno))));
        m_path = QDir(folder).filePath("ZUNOV.INI");
        writeBytes(m_path, kBefore);
        fill(folder);
    } else {
        writeBytes(m_path, kBefore);
        // Past the limit a write fails with EFBIG instead of killing the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small = {kFileSizeLimit, saved.rlim_max};
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    }

    QCOMPARE(appErrorText([&] { saveNewPeriod(m_path); }), unableToWrite(m_path));
    QCOMPARE(readBytes(m_path), kBefore);
    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    left.removeAll("filler");
    QCOMPARE(left, {"ZUNOV.INI"});
}

void tst_AtomicWrite::ownerGroupAndModeKept()
{
    if (::geteuid() != 0)
        QSKIP("only a superuser can give the file another owner");
    writeBytes(m_path, kBefore);
    const QByteArray name = QFile::encodeName(m_path);
    QVERIFY(::chown(name.constData(), kOtherUser, kOtherGroup) == 0);
    QVERIFY(::chmod(name.constData(), kOwnerAndGroupRead) == 0);

    saveNewPeriod(m_path);

    struct stat status = {};
    QVERIFY(::stat(name.constData(), &status) == 0);
    QCOMPARE(status.st_uid, kOtherUser);
    QCOMPARE(status.st_gid, kOtherGroup);
    QCOMPARE(status.st_mode & 07777, kOwnerAndGroupRead);
    QCOMPARE(ProfileFile(m_path).readString("NASTAVENI", "TSER", QString()), kNewPeriod);
}

// A user who may write to another user's file (a shared group, say) must not
// turn it into a file of their own.
void tst_AtomicWrite::otherOwnerIsNotTakenOver()
{
    if (::geteuid() != 0)
        QSKIP("needs a superuser to set up a file of another user and act as a third");
    writeBytes(m_path, kBefore);
    const QByteArray name = QFile::encodeName(m_path);
    QVERIFY(::chown(name.constData(), kOtherUser, kOtherGroup) == 0);
    QVERIFY(::chmod(name.constData(), kFileForAll) == 0);
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), kFolderForAll) == 0);

    QString error;
    {
        QVERIFY(::seteuid(kNobody) == 0);
        // Back to the superuser whatever happens, or every later test runs as nobody.
        const auto back = qScopeGuard([] { QVERIFY(::seteuid(0) == 0); });
        error = appErrorText([&] { saveNewPeriod(m_path); });
    }

    QCOMPARE(error, unableToWrite(m_path) + " (soubor patří jinému uživateli nebo skupině)");
    QCOMPARE(readBytes(m_path), kBefore);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), {"ZUNOV.INI"});
}

void tst_AtomicWrite::linkKeptAndTargetUpdated()
{
    const QString target = m_dir->filePath("settings.ini");
    writeBytes(target, kBefore);
    QVERIFY(QFile::link(target, m_path));

    saveNewPeriod(m_path);

    QVERIFY(QFileInfo(m_path).isSymLink());
    QCOMPARE(ProfileFile(target).readString("NASTAVENI", "TSER", QString()), kNewPeriod);
}

QTEST_GUILESS_MAIN(tst_AtomicWrite)
#include "tst_atomicwrite.moc"
