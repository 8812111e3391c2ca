#include "config/configuration.h"
#include "dialogs/tnapoved.h"
#include "generator/waveformfile.h"
#include "measure/resistorseries.h"
#include "platform/profilefile.h"
#include "platform/textfile.h"
#include "support/filebytes.h"
#include "support/recordingmessagesink.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

// Files that are not what the program expects in its working directory: a
// FIFO, a link to an endless device, a file over the size limit. Each reader
// must treat them as a file that cannot be opened, at once.
class tst_HostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusedLikeAMissingFile_data();
    void refusedLikeAMissingFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_savedDir;
};

void tst_HostileFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void tst_HostileFiles::cleanup()
{
    QDir::setCurrent(m_savedDir);
    m_dir.reset();
}

void tst_HostileFiles::refusedLikeAMissingFile_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("hostile");

    const struct
    {
        const char *reader;
        const char *name;
        qint64 limit;
    } readers[] = {
        {"settings read", "ZUNOV.INI", ProfileFileLimit},
        {"settings save", "ZUNOV.INI", ProfileFileLimit},
        {"help", "HELP.dat", HelpFileLimit},
        {"series", "E12.dat", SeriesFileLimit},
        {"waveform", "pila.gen", WaveformFileLimit},
    };
    for (const auto &r : readers) {
        for (const char *hostile : {"FIFO without a writer", "link to /dev/zero", "over the limit"})
            QTest::addRow("%s, %s", r.reader, hostile)
                << r.reader << r.name << r.limit << QString::fromLatin1(hostile);
    }
}

void tst_HostileFiles::refusedLikeAMissingFile()
{
    QFETCH(QString, reader);
    QFETCH(QString, name);
    QFETCH(qint64, limit);
    QFETCH(QString, hostile);

    if (hostile.startsWith("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0644), 0);
    } else if (hostile.startsWith("link")) {
        QVERIFY(QFile::link("/dev/zero", name));
    } else {
        // Usable settings at the start, so that reading past the limit would
        // show; the rest is sparse, the size there without the disk space.
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("[NASTAVENI]\r\nPort=3\r\nTSER=1000\r\n") > 0);
        QVERIFY(file.resize(limit + 1));
    }
    const QFileInfo before(name);

    if (reader == "settings read") {
        const Configuration configuration = readConfiguration(configurationFilePath());
        QCOMPARE(configuration.port, DefaultPort);
        QCOMPARE(configuration.pollPeriodMs, DefaultPollPeriodMs);
        QVERIFY(!configuration.portText);
    } else if (reader == "settings save") {
        QCOMPARE(appErrorText([] {
                     ProfileFile(configurationFilePath()).writeString("NASTAVENI", "Port", "5");
                 }),
                 "Unable to write to " + QDir::toNativeSeparators(before.absoluteFilePath()));
    } else if (reader == "help") {
        RecordingMessageSink sink;
        Tnapoved window;
        QCOMPARE(sink.texts(), {"Cannot open file HELP.dat."});
        QCOMPARE(window.findChild<QPlainTextEdit *>("Memo1")->toPlainText(), "Memo1");
    } else if (reader == "series") {
        QCOMPARE(appErrorText([] { loadSeries(0); }), "Cannot open file E12.dat");
    } else {
        WaveformTable table;
        table.fill(7);
        const WaveformTable unchanged = table;
        QVERIFY(!readWaveformFile(name, table));
        QCOMPARE(table, unchanged);
    }

    // Nothing was replaced or written.
    const QFileInfo after(name);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(after.size(), before.size());
}

QTEST_MAIN(tst_HostileFiles)
#include "tst_hostilefiles.moc"
