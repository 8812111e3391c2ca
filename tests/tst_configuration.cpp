#include "config/configuration.h"
#include "platform/profilefile.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_Configuration : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void values_data();
    void values();
    void device_data();
    void device();
    void noFile();
    void pathIsInWorkingDirectory();
    void languageWrittenOnlyWhenChanged_data();
    void languageWrittenOnlyWhenChanged();

private:
    // Writes the settings file and reads it as the program does.
    Configuration readBack(const QByteArray &content) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Configuration::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

Configuration tst_Configuration::readBack(const QByteArray &content) const
{
    const QString path = m_dir->filePath(ConfigurationFileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    return readConfiguration(path);
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
    const Configuration configuration = readBack(content);
    QCOMPARE(configuration.port, port);
    QCOMPARE(configuration.pollPeriodMs, pollPeriodMs);
}

void tst_Configuration::device_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("device");     // what the program opens: empty, by number
    QTest::addColumn<QString>("deviceText"); // what the settings window shows; null: no key

    QTest::newRow("no key") << QByteArray("[NASTAVENI]\nPort=2\n") << "" << QString();
    QTest::newRow("path") << QByteArray("[NASTAVENI]\nZarizeni=/dev/ttyUSB0\n") << "/dev/ttyUSB0"
                          << "/dev/ttyUSB0";
    QTest::newRow("empty value: by number") << QByteArray("[NASTAVENI]\nZarizeni=\n") << ""
                                            << "";
    QTest::newRow("quoted, with blanks around")
        << QByteArray("[NASTAVENI]\n zarizeni = '/dev/serial/by-id/usb-x' \n")
        << "/dev/serial/by-id/usb-x"
        << "/dev/serial/by-id/usb-x";
}

void tst_Configuration::device()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, deviceText);
    const Configuration configuration = readBack(content);
    QTEST(configuration.device, "device");
    QCOMPARE(configuration.deviceText.has_value(), !deviceText.isNull());
    QCOMPARE(configuration.deviceText.value_or(QString()), deviceText);
}

void tst_Configuration::noFile()
{
    const Configuration configuration = readConfiguration(m_dir->filePath(ConfigurationFileName));
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

// The language chosen in the menu: a file that already says so, or that says
// nothing while Czech is chosen, is not written at all; otherwise only the
// one key changes.
void tst_Configuration::languageWrittenOnlyWhenChanged_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("after");
    const QByteArray settings("[NASTAVENI]\r\nPort=2\r\nTSER= 500 \r\n");
    QTest::newRow("no file, Czech") << QByteArray() << "cs" << QByteArray();
    QTest::newRow("no key, Czech") << settings << "cs" << settings;
    QTest::newRow("no key, English")
        << settings << "en" << QByteArray("[NASTAVENI]\r\nPort=2\r\nTSER= 500 \r\nJazyk=en\r\n");
    QTest::newRow("the same language") << QByteArray("[NASTAVENI]\nJazyk=en\nPort=2\n") << "en"
                                       << QByteArray("[NASTAVENI]\nJazyk=en\nPort=2\n");
    QTest::newRow("back to Czech") << QByteArray("[NASTAVENI]\nJazyk=en\nPort=2\n") << "cs"
                                   << QByteArray("[NASTAVENI]\nJazyk=cs\nPort=2\n");
}

void tst_Configuration::languageWrittenOnlyWhenChanged()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, language);
    QFETCH(QByteArray, after);
    const QString path = m_dir->filePath(ConfigurationFileName);
    if (!before.isEmpty())
        readBack(before);

    ProfileFile file(path);
    writeLanguage(file, language);

    QFile result(path);
    if (after.isEmpty()) {
        QVERIFY(!result.exists());
        return;
    }
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(), after);
}

QTEST_GUILESS_MAIN(tst_Configuration)
#include "tst_configuration.moc"
