#include "platform/apperror.h"
#include "platform/textfile.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_TextFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lines_data();
    void lines();
    void encodings_data();
    void encodings();
    void missingFileNamesItAsPassed();
    void directoryCannotBeOpened();
    void hugeFile();

private:
    void write(const QString &name, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_savedDir;
};

void tst_TextFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void tst_TextFile::cleanup()
{
    QDir::setCurrent(m_savedDir);
    m_dir.reset();
}

void tst_TextFile::write(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void tst_TextFile::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("1.0\r\n1.2\r\n") << QStringList{"1.0", "1.2"};
    QTest::newRow("LF only") << QByteArray("1.0\n1.2\n") << QStringList{"1.0", "1.2"};
    QTest::newRow("CR only") << QByteArray("1.0\r1.2\r") << QStringList{"1.0", "1.2"};
    QTest::newRow("no break at the end") << QByteArray("1.0\n1.2") << QStringList{"1.0", "1.2"};
    QTest::newRow("empty line in the middle")
        << QByteArray("1.0\n\n1.2\n") << QStringList{"1.0", "", "1.2"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a line break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("spaces kept as written") << QByteArray(" 4.7 \n") << QStringList{" 4.7 "};
    QTest::newRow("binary bytes decode without loss of lines")
        << QByteArray("\x01\x02\nA\xff\n", 6) << QStringList{"\x01\x02", "A\u02d9"};
}

void tst_TextFile::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    write(QStringLiteral("E12.dat"), bytes);
    QCOMPARE(readTextLines(QStringLiteral("E12.dat"), SeriesFileLimit), lines);
}

void tst_TextFile::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << QString::fromUtf8("Připojení přístroje: čtvrtý bajt").toUtf8();
    // The same text as an older Czech system saved it.
    QTest::newRow("Windows-1250") << QByteArray(
        "P\xf8ipojen\xed p\xf8\xedstroje: \xe8tvrt\xfd bajt");
}

void tst_TextFile::encodings()
{
    QFETCH(QByteArray, bytes);
    write(QStringLiteral("HELP.dat"), bytes);
    QCOMPARE(readTextFile(QStringLiteral("HELP.dat"), HelpFileLimit),
             QString::fromUtf8("Připojení přístroje: čtvrtý bajt"));
}

void tst_TextFile::missingFileNamesItAsPassed()
{
    try {
        readTextLines(QStringLiteral("E48.dat"), SeriesFileLimit);
        QFAIL("no error raised");
    } catch (const AppError &error) {
        QCOMPARE(error.text(), QStringLiteral("Cannot open file E48.dat"));
    }
}

void tst_TextFile::directoryCannotBeOpened()
{
    QVERIFY(QDir().mkdir(QStringLiteral("HELP.dat")));
    QVERIFY_THROWS_EXCEPTION(AppError, readTextFile(QStringLiteral("HELP.dat"), HelpFileLimit));
}

void tst_TextFile::hugeFile()
{
    const QByteArray line(99, 'x');
    QByteArray bytes;
    for (int i = 0; i < 100'000; ++i)
        bytes += line + '\n';
    write(QStringLiteral("E24.dat"), bytes);
    const QStringList lines = readTextLines(QStringLiteral("E24.dat"), SeriesFileLimit);
    QCOMPARE(lines.size(), 100'000);
    QCOMPARE(lines.last(), QString::fromLatin1(line));
}

QTEST_GUILESS_MAIN(tst_TextFile)
#include "tst_textfile.moc"
