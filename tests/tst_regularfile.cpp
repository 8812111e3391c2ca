#include "platform/regularfile.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_RegularFile : public QObject
{
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
};

void tst_RegularFile::limits_data()
{
    // Empty: a file of the given content; relative: in the test's folder.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("readable");

    QTest::newRow("empty file") << QString() << QByteArray() << qint64(0) << true;
    QTest::newRow("exactly the limit") << QString() << QByteArray("abc") << qint64(3) << true;
    QTest::newRow("one byte over the limit")
        << QString() << QByteArray("abcd") << qint64(3) << false;
    QTest::newRow("folder") << "." << QByteArray() << qint64(1000) << false;
    QTest::newRow("missing") << "missing" << QByteArray() << qint64(1000) << false;
    // Files under /proc report a size of 0 whatever they hold: only the read
    // itself can hold them to the limit.
    QTest::newRow("no size reported, within the limit")
        << "/proc/self/status" << QByteArray() << qint64(1 << 20) << true;
    QTest::newRow("no size reported, over the limit")
        << "/proc/self/status" << QByteArray() << qint64(16) << false;
}

void tst_RegularFile::limits()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, content);
    QFETCH(qint64, limit);
    QFETCH(bool, readable);

    QTemporaryDir dir;
    if (path.isEmpty()) {
        path = dir.filePath("file");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    } else if (QDir::isRelativePath(path)) {
        path = dir.filePath(path);
    }
    const std::optional<QByteArray> bytes = readRegularFile(path, limit);
    QCOMPARE(bytes.has_value(), readable);
    if (bytes && path.startsWith("/proc"))
        QVERIFY(bytes->startsWith("Name:"));
    else if (bytes)
        QCOMPARE(*bytes, content);
}

QTEST_GUILESS_MAIN(tst_RegularFile)
#include "tst_regularfile.moc"
