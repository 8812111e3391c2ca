#include "platform/apperror.h"
#include "platform/profilefile.h"
#include "support/filebytes.h"

#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDefault = QStringLiteral("<default>");

} // namespace

class tst_ProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void reading_data();
    void reading();
    void missingFileGivesDefault();
    void readInteger();
    void windows1250File();
    void binaryFile();
    void longLines();

    void writing_data();
    void writing();
    void lineBreaksDoNotAddLines();
    void writeStringsUpdatesAllKeys();
    void unchangedValuesLeaveTheFileAlone();
    void windows1250LinesKeepTheirBytes();
    void refusedWrites_data();
    void refusedWrites();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_ProfileFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("ZUNOV.INI"));
}

void tst_ProfileFile::reading_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray usual = "[NASTAVENI]\r\nPort=2\r\nTSER=1000\r\n";
    QTest::newRow("plain value") << usual << "NASTAVENI"
                                 << "TSER"
                                 << "1000";
    QTest::newRow("missing key") << usual << "NASTAVENI"
                                 << "Other" << kDefault;
    QTest::newRow("missing section") << usual << "OTHER"
                                     << "Port" << kDefault;
    QTest::newRow("empty file") << QByteArray() << "NASTAVENI"
                                << "Port" << kDefault;
    QTest::newRow("empty value is not the default") << QByteArray("[A]\nk=\n") << "A"
                                                    << "k"
                                                    << "";
    QTest::newRow("blank value is empty") << QByteArray("[A]\nk=   \n") << "A"
                                          << "k"
                                          << "";
    QTest::newRow("names match in any case") << QByteArray("[nastaveni]\ntser=5\n") << "NASTAVENI"
                                             << "TSER"
                                             << "5";
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ A ]  \n\t k \t=  v w  \n") << "A"
        << "k"
        << "v w";
    QTest::newRow("double quotes removed") << QByteArray("[A]\nk=\"a b\"\n") << "A"
                                           << "k"
                                           << "a b";
    QTest::newRow("single quotes keep blanks") << QByteArray("[A]\nk=' a '\n") << "A"
                                               << "k"
                                               << " a ";
    QTest::newRow("unmatched quotes kept") << QByteArray("[A]\nk=\"a'\n") << "A"
                                           << "k"
                                           << "\"a'";
    QTest::newRow("lone quote kept") << QByteArray("[A]\nk=\"\n") << "A"
                                     << "k"
                                     << "\"";
    QTest::newRow("only the first equals sign splits") << QByteArray("[A]\nk=a=b\n") << "A"
                                                       << "k"
                                                       << "a=b";
    QTest::newRow("first duplicate key wins") << QByteArray("[A]\nk=1\nk=2\n") << "A"
                                              << "k"
                                              << "1";
    QTest::newRow("first duplicate section wins") << QByteArray("[A]\nk=1\n[B]\n[A]\nk=2\n") << "A"
                                                  << "k"
                                                  << "1";
    QTest::newRow("key only in a later duplicate section")
        << QByteArray("[A]\nk=1\n[A]\nj=2\n") << "A"
        << "j" << kDefault;
    QTest::newRow("comment line is no key") << QByteArray("[A]\n;k=1\n") << "A"
                                            << "k" << kDefault;
    QTest::newRow("indented comment") << QByteArray("[A]\n  ; k=1\nk=2\n") << "A"
                                      << "k"
                                      << "2";
    QTest::newRow("no inline comments") << QByteArray("[A]\nk=1 ; one\n") << "A"
                                        << "k"
                                        << "1 ; one";
    QTest::newRow("key before any section") << QByteArray("k=1\n[A]\n") << "A"
                                            << "k" << kDefault;
    QTest::newRow("line without equals sign") << QByteArray("[A]\nk\nk=3\n") << "A"
                                              << "k"
                                              << "3";
    QTest::newRow("CR only line ends") << QByteArray("[A]\rk=1\rj=2\r") << "A"
                                       << "j"
                                       << "2";
    QTest::newRow("LF only line ends") << QByteArray("[A]\nk=1\nj=2") << "A"
                                       << "j"
                                       << "2";
    QTest::newRow("mixed line ends") << QByteArray("[A]\r\nk=1\rj=2\n") << "A"
                                     << "j"
                                     << "2";
    QTest::newRow("section in another section's key") << QByteArray("[A]\nk=[B]\n[B]\nk=2\n") << "B"
                                                      << "k"
                                                      << "2";
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF[A]\nk=1\n") << "A"
                                           << "k"
                                           << "1";
    QTest::newRow("UTF-8 value") << QByteArray("[A]\nk=\xC5\xBD\n") << "A"
                                 << "k" << QString::fromUtf8("\u017D");
}

void tst_ProfileFile::reading()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeBytes(m_path, content);
    QCOMPARE(ProfileFile(m_path).readString(section, key, kDefault), expected);
}

void tst_ProfileFile::missingFileGivesDefault()
{
    const ProfileFile file(m_path);
    QCOMPARE(file.path(), m_path);
    QCOMPARE(file.readString("NASTAVENI", "Port", kDefault), kDefault);
    QCOMPARE(file.readInteger("NASTAVENI", "Port", 7), 7);
    QVERIFY(!QFile::exists(m_path));
}

void tst_ProfileFile::readInteger()
{
    writeBytes(m_path, "[A]\nhex=0x3E8\nbad=12a\nempty=\nquoted=\"42\"\n");
    const ProfileFile file(m_path);
    QCOMPARE(file.readInteger("A", "hex", -1), 1000);
    QCOMPARE(file.readInteger("A", "bad", -1), -1);
    QCOMPARE(file.readInteger("A", "empty", -1), -1);
    QCOMPARE(file.readInteger("A", "quoted", -1), 42);
    QCOMPARE(file.readInteger("A", "missing", -1), -1);
}

void tst_ProfileFile::windows1250File()
{
    QStringEncoder encoder("windows-1250");
    if (!encoder.isValid())
        QSKIP("no Windows-1250 converter in this Qt");
    const QString text = QString::fromUtf8("[A]\r\nNázev=Žluťoučký kůň\r\n");
    writeBytes(m_path, encoder(text));
    QCOMPARE(ProfileFile(m_path).readString("a", QString::fromUtf8("NÁZEV"), kDefault),
             QString::fromUtf8("Žluťoučký kůň"));
}

void tst_ProfileFile::binaryFile()
{
    QByteArray bytes;
    for (int round = 0; round < 64; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes += char(b ^ round);
    }
    writeBytes(m_path, bytes);
    ProfileFile file(m_path);
    QCOMPARE(file.readString("NASTAVENI", "Port", kDefault), kDefault);
    QCOMPARE(file.readInteger("NASTAVENI", "Port", 5), 5);

    // Writing keeps every byte already there and adds the section after them.
    file.writeString("NASTAVENI", "Port", "3");
    QVERIFY(readBytes(m_path).startsWith(bytes));
    QCOMPARE(file.readInteger("NASTAVENI", "Port", 5), 3);
}

void tst_ProfileFile::longLines()
{
    const QByteArray longValue(ProfileFileLimit / 4, 'x');
    writeBytes(m_path, "[A]\r\nlong=" + longValue
                           + "\r\ndigits=" + QByteArray(ProfileFileLimit / 4, '9') + "\r\nk=1\r\n");
    const ProfileFile file(m_path);
    QCOMPARE(file.readString("A", "long", kDefault), QString::fromLatin1(longValue));
    QCOMPARE(file.readInteger("A", "digits", -1), -1);
    QCOMPARE(file.readInteger("A", "k", -1), 1);
}

void tst_ProfileFile::writing_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray commented = "; settings\r\n[NASTAVENI]\r\nTSER = 500\r\nPort=2\r\n\r\n"
                                 "; the other one\r\n[OTHER]\r\nPort=9\r\n";
    QTest::newRow("update keeps comments, order and spacing")
        << commented << "NASTAVENI"
        << "tser"
        << "1000"
        << QByteArray("; settings\r\n[NASTAVENI]\r\nTSER = 1000\r\nPort=2\r\n\r\n"
                      "; the other one\r\n[OTHER]\r\nPort=9\r\n");
    QTest::newRow("new key after the section's last key")
        << commented << "nastaveni"
        << "Extra"
        << "x"
        << QByteArray("; settings\r\n[NASTAVENI]\r\nTSER = 500\r\nPort=2\r\nExtra=x\r\n\r\n"
                      "; the other one\r\n[OTHER]\r\nPort=9\r\n");
    QTest::newRow("new section at the end") << commented << "NEW"
                                            << "k"
                                            << "v" << commented + "[NEW]\r\nk=v\r\n";
    QTest::newRow("empty value stored as key=") << QByteArray("[A]\r\nk=5\r\n") << "A"
                                                << "k"
                                                << "" << QByteArray("[A]\r\nk=\r\n");
    QTest::newRow("value written unchanged") << QByteArray("[A]\r\n") << "A"
                                             << "k"
                                             << " -x " << QByteArray("[A]\r\nk= -x \r\n");
    QTest::newRow("LF file stays LF") << QByteArray("[A]\nk=1\n") << "A"
                                      << "j"
                                      << "2" << QByteArray("[A]\nk=1\nj=2\n");
    QTest::newRow("CR file stays CR") << QByteArray("[A]\rk=1\r") << "B"
                                      << "j"
                                      << "2" << QByteArray("[A]\rk=1\r[B]\rj=2\r");
    QTest::newRow("last line without line end") << QByteArray("[A]\nk=1") << "A"
                                                << "j"
                                                << "2" << QByteArray("[A]\nk=1\nj=2\n");
    QTest::newRow("changed last line keeps its missing line end") << QByteArray("[A]\nk=1") << "A"
                                                                  << "k"
                                                                  << "2" << QByteArray("[A]\nk=2");
    QTest::newRow("only the first duplicate key changes")
        << QByteArray("[A]\nk=1\nk=2\n[A]\nk=3\n") << "A"
        << "k"
        << "9" << QByteArray("[A]\nk=9\nk=2\n[A]\nk=3\n");
    QTest::newRow("new key into an empty section") << QByteArray("[A]\n\n[B]\n") << "A"
                                                   << "k"
                                                   << "1" << QByteArray("[A]\nk=1\n\n[B]\n");
    QTest::newRow("quoted value replaced whole") << QByteArray("[A]\nk=\"old\"\n") << "A"
                                                 << "k"
                                                 << "new" << QByteArray("[A]\nk=new\n");
}

void tst_ProfileFile::writing()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    writeBytes(m_path, before);
    ProfileFile file(m_path);
    file.writeString(section, key, value);
    QCOMPARE(readBytes(m_path), after);
    QCOMPARE(file.readString(section, key, kDefault), value.trimmed());
}

// A line break in a value is written as a space: the value stays on its line
// and cannot smuggle in a section or a key.
void tst_ProfileFile::lineBreaksDoNotAddLines()
{
    ProfileFile file(m_path);
    file.writeString("A", "k", "1\r\n[B]\nz=2\r");
    file.writeString("A", "new\nkey", "x");
    file.writeString("A", " ", "no name, not stored");
    QCOMPARE(readBytes(m_path), QByteArray("[A]\r\nk=1  [B] z=2 \r\nnew key=x\r\n"));
    QCOMPARE(file.readString("B", "z", kDefault), kDefault);
}

void tst_ProfileFile::writeStringsUpdatesAllKeys()
{
    ProfileFile file(m_path);
    file.writeStrings("NASTAVENI", {{"Port", "3"}, {"TSER", "1000"}});
    QCOMPARE(readBytes(m_path), QByteArray("[NASTAVENI]\r\nPort=3\r\nTSER=1000\r\n"));
    file.writeStrings("NASTAVENI", {{"Port", "4"}, {"TSER", ""}});
    QCOMPARE(readBytes(m_path), QByteArray("[NASTAVENI]\r\nPort=4\r\nTSER=\r\n"));
}

// Not a byte and not the time stamp changes when the file holds the values
// already, however they are spaced or quoted.
void tst_ProfileFile::unchangedValuesLeaveTheFileAlone()
{
    const QByteArray before = "[NASTAVENI]\r\nPort = 3 \r\nTSER=\"1000\"\r\n";
    const QDateTime stamp(QDate(2020, 1, 1), QTime(12, 0), Qt::UTC);
    writeBytes(m_path, before);
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    ProfileFile(m_path).writeStrings("NASTAVENI", {{"Port", "3"}, {"TSER", "1000"}});
    QCOMPARE(readBytes(m_path), before);
    QCOMPARE(QFileInfo(m_path).lastModified(), stamp);
}

void tst_ProfileFile::windows1250LinesKeepTheirBytes()
{
    QStringEncoder encoder("windows-1250");
    if (!encoder.isValid())
        QSKIP("no Windows-1250 converter in this Qt");
    const QByteArray before = encoder(QString::fromUtf8("[A]\r\nNázev=Žluťoučký\r\nPort=1\r\n"));
    writeBytes(m_path, before);
    ProfileFile file(m_path);
    file.writeString("A", "Port", "2");
    file.writeString("A", "Město", "Plzeň");
    QCOMPARE(readBytes(m_path),
             encoder(QString::fromUtf8("[A]\r\nNázev=Žluťoučký\r\nPort=2\r\nMěsto=Plzeň\r\n")));
    QCOMPARE(file.readString("A", QString::fromUtf8("město"), kDefault),
             QString::fromUtf8("Plzeň"));
}

void tst_ProfileFile::refusedWrites_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("read-only file") << "file";
    QTest::newRow("read-only folder") << "folder";
    QTest::newRow("folder is a regular file") << "parent";
    QTest::newRow("file is a folder") << "directory";
}

// Permission bits alone do not stop a superuser, so the file and folder cases
// rely on the program's own check, and the other two fail in the system itself.
void tst_ProfileFile::refusedWrites()
{
    QFETCH(QString, failure);
    const QByteArray before = "; keep me\n[NASTAVENI]\nPort=2\n";
    QString path = m_path;
    const QFile::Permissions writable = QFile::permissions(m_dir->path());
    const auto restore = qScopeGuard([&] { QFile::setPermissions(m_dir->path(), writable); });

    if (failure == "file") {
        writeBytes(path, before);
        QVERIFY(
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (failure == "folder") {
        writeBytes(path, before);
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    } else if (failure == "parent") {
        const QString regularFile = m_dir->filePath("plain");
        writeBytes(regularFile, before);
        path = regularFile + "/ZUNOV.INI";
    } else {
        QVERIFY(QDir(m_dir->path()).mkdir("ZUNOV.INI"));
    }

    ProfileFile file(path);
    const QString expected = "Unable to write to " + QFileInfo(path).absoluteFilePath();
    for (int call = 0; call < 2; ++call) {
        try {
            if (call == 0)
                file.writeString("NASTAVENI", "Port", "5");
            else
                file.writeStrings("NASTAVENI", {{"Port", "5"}, {"TSER", "1000"}});
            QFAIL("the write was not refused");
        } catch (const AppError &error) {
            QCOMPARE(error.text(), expected);
        }
    }
    if (failure == "file" || failure == "folder")
        QCOMPARE(readBytes(path), before);
    if (failure == "folder")
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), {"ZUNOV.INI"});
    if (failure == "parent")
        QCOMPARE(readBytes(m_dir->filePath("plain")), before);
}

QTEST_GUILESS_MAIN(tst_ProfileFile)
#include "tst_profilefile.moc"
