#include "app/configuration.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_Configuration : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void values_data();
    void values();
    void noFile();
    void pathIsInWorkingDirectory();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Configuration::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Configuration::values_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint32>("port");
    QTest::addColumn<qint32>("pollPeriodMs");

    QTest::newRow("section and TSER only")
        << QByteArray("[NASTAVENI]\r\nTSER=1000\r\n") << 1 << 1000;
    QTest::newRow("both keys") << QByteArray("[NASTAVENI]\r\nPort=3\r\nTSER=250\r\n") << 3 << 250;
    QTest::newRow("TSER in 0x hex") << QByteArray("[NASTAVENI]\nTSER=0x3E8\n") << 1 << 1000;
    QTest::newRow("TSER in dollar hex") << QByteArray("[NASTAVENI]\nTSER=$3E8\n") << 1 << 1000;
    QTest::newRow("letters") << QByteArray("[NASTAVENI]\nPort=a\nTSER=abc\n") << 1 << 0;
    QTest::newRow("empty values") << QByteArray("[NASTAVENI]\nPort=\nTSER=\n") << 1 << 0;
    QTest::newRow("port out of the usual range kept")
        << QByteArray("[NASTAVENI]\nPort=12\n") << 12 << 0;
    QTest::newRow("negative values kept")
        << QByteArray("[NASTAVENI]\nPort=-1\nTSER=-5\n") << -1 << -5;
    QTest::newRow("other section ignored") << QByteArray("[OTHER]\nPort=4\nTSER=100\n") << 1 << 0;
    QTest::newRow("names in lower case")
        << QByteArray("[nastaveni]\nport=2\ntser=100\n") << 2 << 100;
}

void tst_Configuration::values()
{
    QFETCH(QByteArray, content);
    QFETCH(qint32, port);
    QFETCH(qint32, pollPeriodMs);
    const QString path = m_dir->filePath(kConfigurationFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const Configuration configuration = readConfiguration(path);
    QCOMPARE(configuration.port, port);
    QCOMPARE(configuration.pollPeriodMs, pollPeriodMs);
}

void tst_Configuration::noFile()
{
    const Configuration configuration = readConfiguration(m_dir->filePath(kConfigurationFileName));
    QCOMPARE(configuration.port, 1);
    QCOMPARE(configuration.pollPeriodMs, 0);
}

void tst_Configuration::pathIsInWorkingDirectory()
{
    const QString previous = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
    QVERIFY(QDir::setCurrent(m_dir->path()));

    QCOMPARE(QFileInfo(configurationFilePath()), QFileInfo(m_dir->filePath("ZUNOV.INI")));
    QVERIFY(QFileInfo(configurationFilePath()).isAbsolute());
}

QTEST_GUILESS_MAIN(tst_Configuration)
#include "tst_configuration.moc"
