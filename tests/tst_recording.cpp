#include "app/statusbarpanels.h"
#include "app/tt_zunov.h"
#include "dialogs/rotationdialog.h"
#include "support/programfixture.h"
#include "support/pythoncsv.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

using Rows = QList<QStringList>;

const QString Marker = QStringLiteral("● ZÁZNAM");

QString marker(ProgramFixture &program)
{
    return program.control<QLabel>("Panel2")->text();
}

} // namespace

// The measurements kept in a CSV file, through the emulated instrument.
class tst_Recording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyReplyKind_data();
    void everyReplyKind();
    void startAndStopFromTheMenu();
    void appendsToAFile_data();
    void appendsToAFile();
    void failedWriteStopsOnlyTheRecording_data();
    void failedWriteStopsOnlyTheRecording();
    void incompleteReplyWritesNothing();
    void silenceIsMarkedAsAGap();
    void rotatesFromTheMenu();
    void rotationDialog_data();
    void rotationDialog();
    void failedRotatedWriteNamesTheFile_data();
    void failedRotatedWriteNamesTheFile();
    void generatorSettingsAreDescribed();
    void markerOutlivesPanelTexts();

private:
    static void poll(ProgramFixture &program, const QByteArray &reply)
    {
        program.instrument().queueReplies(
            {{uint8_t(reply[0]), uint8_t(reply[1]), uint8_t(reply[2]), uint8_t(reply[3])}});
        QVERIFY(program.poll());
    }
};

void tst_Recording::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        QSKIP(
            "python3 reads the recordings here as a spreadsheet would; scripts/setup installs it");
}

void tst_Recording::everyReplyKind_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Rows>("expected"); // all but the time; display with a point

    QTest::newRow("U1 and U2 in tenths give two rows")
        << QByteArray("ca\x7b\x2d")
        << Rows{{"U1", "12.3", "V", "12.3 V", "99 97 123 45"},
                {"U2", "4.5", "V", "04.5 V", "99 97 123 45"}};
    QTest::newRow("U1 and U2 in volts") << QByteArray("b`\x07\xc8")
                                        << Rows{{"U1", "7", "V", "007 V", "98 96 7 200"},
                                                {"U2", "200", "V", "200 V", "98 96 7 200"}};
    QTest::newRow("resistance in megaohms")
        << QByteArray("f\xcd\0\xfa", 4)
        << Rows{{"R", "250000000", "Ohm", "250 Mohm", "102 205 0 250"}};
    QTest::newRow("frequency") << QByteArray("e\x01\x02\x03")
                               << Rows{{"f", "66051", "Hz", "66051.000000Hz", "101 1 2 3"}};
    QTest::newRow("current") << QByteArray("g\0\0\x96", 4)
                             << Rows{{"I", "1.5", "A", "1.50A", "103 0 0 150"}};
    QTest::newRow("resistance of unknown range") << QByteArray("f\xc7\0\x2f", 4) << Rows{};
}

void tst_Recording::everyReplyKind()
{
    QFETCH(QByteArray, reply);
    QFETCH(Rows, expected);

    ProgramFixture program;
    program.start();
    const QString path = program.path() + QStringLiteral("/r.csv");
    QVERIFY(program.window()->startRecording(path));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    poll(program, reply);

    Rows rows = readWithPythonCsv(path);
    if (!expected.isEmpty()) {
        QCOMPARE(rows.takeFirst(), QString("time,quantity,value,unit,display,raw").split(','));
        const QRegularExpression isoTime(
            QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d$)"));
        for (QStringList &row : rows) {
            const QString time = row.takeFirst();
            QVERIFY2(isoTime.match(time).hasMatch(), qPrintable(time));
            QVERIFY(QDateTime::fromString(time, Qt::ISODateWithMs) >= before);
        }
        for (QStringList &row : expected)
            row[3].replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    }
    QCOMPARE(rows, expected);
}

void tst_Recording::startAndStopFromTheMenu()
{
    ProgramFixture program;
    program.start();
    auto *start = program.control<QAction>("SpustitZaznam1");
    auto *stop = program.control<QAction>("ZastavitZaznam1");
    const QString path = program.path() + QStringLiteral("/menu.csv");

    start->trigger(); // the dialog is cancelled
    QVERIFY(!program.window()->isRecording());

    program.fileDialog().setAnswer(path);
    start->trigger();
    QVERIFY(program.window()->isRecording());
    QVERIFY(!program.fileDialog().questions().last().confirmOverwrite);
    QVERIFY(!start->isEnabled() && stop->isEnabled());
    // The rewrites of the action panel leave the marker alone.
    poll(program, QByteArray("g\0\0\x96", 4));
    emit program.window()->Timer3->timeout();
    QVERIFY(marker(program).endsWith(Marker));

    stop->trigger();
    QVERIFY(start->isEnabled() && !stop->isEnabled());
    QVERIFY(!marker(program).contains(Marker));
    poll(program, QByteArray("g\0\0\x97", 4));
    QCOMPARE(readWithPythonCsv(path).size(), 2);
}

void tst_Recording::appendsToAFile_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file yet
    QTest::addColumn<QByteArray>("joint");  // between what was there and the new row

    const QByteArray header("time,quantity,value,unit,display,raw\r\n");
    const QByteArray row("2024-05-17T14:30:05.007+02:00,U1,7,V,007 V,98 0 7 0");
    QTest::newRow("no file yet") << QByteArray() << header;
    QTest::newRow("an earlier recording") << header + row + "\r\n" << QByteArray();
    QTest::newRow("a recording cut off in its last row")
        << header + row.left(40) << QByteArray("\r\n");
    QTest::newRow("a recording cut off inside quotes")
        << header + "2024-05-17T14:30:05.007+02:00,U1,12.3,V,\"12,3" << QByteArray("\"\r\n");
    QTest::newRow("cut off after a quote doubled inside quotes")
        << header + "2024-05-17T14:30:05.007+02:00,U1,12.3,V,\"a\"\"b" << QByteArray("\"\r\n");
}

// As `zunov --log FILE` starts it.
void tst_Recording::appendsToAFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, joint);

    ProgramFixture program;
    if (!before.isEmpty())
        program.writeFile(QStringLiteral("log.csv"), before);
    program.start();
    const QString path = program.path() + QStringLiteral("/log.csv");
    QVERIFY(program.window()->startRecording(path));
    poll(program, QByteArray("b\0\x07\0", 4));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    QVERIFY2(after.startsWith(before + joint), after.constData());
    const QByteArray added = after.mid(before.size() + joint.size());
    QVERIFY2(added.endsWith(",U1,7,V,007 V,98 0 7 0\r\n") && added.count('\n') == 1,
             added.constData());
    // Every reader takes the new row as a row of its own.
    QCOMPARE(readWithPythonCsv(path).last().mid(1),
             QStringList({"U1", "7", "V", "007 V", "98 0 7 0"}));
}

void tst_Recording::failedWriteStopsOnlyTheRecording_data()
{
    QTest::addColumn<QString>("path"); // empty: a file in the working folder, removed
    QTest::addColumn<int>("messagesAtStart");

    QTest::newRow("disk full") << QStringLiteral("/dev/full") << 0;
    QTest::newRow("file removed") << QString() << 0;
    QTest::newRow("folder missing") << QStringLiteral("/nonexistent/r.csv") << 1;
}

void tst_Recording::failedWriteStopsOnlyTheRecording()
{
    QFETCH(QString, path);
    QFETCH(int, messagesAtStart);

    ProgramFixture program;
    program.start();
    const bool removeFile = path.isEmpty();
    if (removeFile)
        path = program.path() + QStringLiteral("/gone.csv");
    QCOMPARE(program.window()->startRecording(path), messagesAtStart == 0);
    QCOMPARE(program.messages().texts().size(), messagesAtStart);
    poll(program, QByteArray("b\0\x07\0", 4));
    if (removeFile) {
        QVERIFY(program.messages().texts().isEmpty() && QFile::remove(path));
        poll(program, QByteArray("b\0\x08\0", 4));
    }

    // One error names the file; measuring goes on, and the file is left alone.
    QCOMPARE(program.messages().messages().size(), 1);
    QCOMPARE(program.messages().messages().first().first, MessageKind::Error);
    QVERIFY2(program.messages().texts().first().contains(path),
             qPrintable(program.messages().texts().first()));
    QVERIFY(!program.window()->isRecording());
    QVERIFY(!marker(program).contains(Marker));
    poll(program, QByteArray("b\0\x09\0", 4));
    QCOMPARE(program.control<QLabel>("Label1")->text(), QStringLiteral("009 V"));
    QCOMPARE(program.messages().messages().size(), 1);
    QVERIFY(!removeFile || !QFile::exists(path));
}

void tst_Recording::incompleteReplyWritesNothing()
{
    ProgramFixture program;
    program.start();
    const QString path = program.path() + QStringLiteral("/r.csv");
    QVERIFY(program.window()->startRecording(path));
    program.instrument().setFaults({.silence = true});
    QVERIFY(program.poll());
    QCOMPARE(QFileInfo(path).size(), 0);
    QVERIFY(program.window()->isRecording());
}

// Three silent polls start the back-off: one row says the instrument went
// away, and one, before the values it brings again, that it came back.
void tst_Recording::silenceIsMarkedAsAGap()
{
    ProgramFixture program;
    program.start();
    const QString path = program.path() + QStringLiteral("/gap.csv");
    QVERIFY(program.window()->startRecording(path));
    poll(program, QByteArray("g\0\0\x01", 4));
    program.instrument().setFaults({.silence = true});
    for (int silent = 0; silent < 4; ++silent)
        QVERIFY(program.poll());
    program.instrument().setFaults({});
    poll(program, QByteArray("g\0\0\x02", 4));
    poll(program, QByteArray("g\0\0\x03", 4));

    Rows rows = readWithPythonCsv(path);
    rows.removeFirst();
    for (QStringList &row : rows)
        row.removeFirst();
    const QStringList away{"link", "0", "", "OFFLINE", ""};
    const QStringList back{"link", "1", "", "ONLINE", ""};
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows[1], away);
    QCOMPARE(rows[2], back);
    QCOMPARE(QStringList({rows[0][1], rows[3][1], rows[4][1]}),
             QStringList({"0.01", "0.02", "0.03"}));
}

// The start dialog's second question: a header and a reply's row fill a
// file of 100 bytes, so each poll starts the next file.
void tst_Recording::rotatesFromTheMenu()
{
    ProgramFixture program;
    program.start();
    auto *start = program.control<QAction>("SpustitZaznam1");
    const QString path = program.path() + QStringLiteral("/z.csv");
    program.fileDialog().setAnswer(path);

    program.fileDialog().setRotationAnswer(std::nullopt); // cancelled
    start->trigger();
    QVERIFY(!program.window()->isRecording());
    QVERIFY(!QFileInfo::exists(path));

    const RecordingRotation small{RotationKind::Size, 100};
    program.fileDialog().setRotationAnswer(small);
    start->trigger();
    QVERIFY(program.window()->isRecording());
    for (const char *reply : {"b\0\x07\0", "b\0\x08\0", "b\0\x09\0"})
        poll(program, QByteArray(reply, 4));
    program.control<QAction>("ZastavitZaznam1")->trigger();
    for (const QString name : {"z-0001.csv", "z-0002.csv", "z-0003.csv"}) {
        const Rows rows = readWithPythonCsv(program.path() + QLatin1Char('/') + name);
        QCOMPARE(rows.size(), 2); // header, U1
        QVERIFY(QFileInfo::exists(program.path() + QLatin1Char('/') + name + ".json"));
    }
    QVERIFY(!QFileInfo::exists(path));
    // The next start offers the choice made last.
    start->trigger();
    QCOMPARE(program.fileDialog().rotationQuestions().last(), small);
}

void tst_Recording::rotationDialog_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("expected"); // as --log-rotate has it; empty: OK disabled

    QTest::newRow("one file") << int(RotationKind::None) << "100M"
                              << "none";
    QTest::newRow("daily") << int(RotationKind::Daily) << "nonsense"
                           << "daily";
    QTest::newRow("a size") << int(RotationKind::Size) << "20K"
                            << "20K";
    QTest::newRow("a size with spaces around") << int(RotationKind::Size) << " 5000 "
                                               << "5000";
    QTest::newRow("a size that is none") << int(RotationKind::Size) << "lots"
                                         << "";
    QTest::newRow("a size of nothing") << int(RotationKind::Size) << ""
                                       << "";
}

void tst_Recording::rotationDialog()
{
    QFETCH(int, kind);
    QFETCH(QString, size);
    QFETCH(QString, expected);

    RotationDialog dialog(RecordingRotation{RotationKind::Size, 1024});
    QCOMPARE(dialog.sizeEdit()->text(), QStringLiteral("1K"));
    dialog.kindBox()->setCurrentIndex(kind);
    dialog.sizeEdit()->setText(size);
    QCOMPARE(dialog.sizeEdit()->isEnabled(), kind == int(RotationKind::Size));
    auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->isEnabled(), !expected.isEmpty());
    const std::optional<RecordingRotation> choice = dialog.choice();
    QCOMPARE(choice ? rotationText(*choice) : QString(), expected);
}

void tst_Recording::failedRotatedWriteNamesTheFile_data()
{
    QTest::addColumn<bool>("removeFile"); // else the disk is full

    QTest::newRow("file removed") << true;
    QTest::newRow("disk full") << false;
}

// With rotation the message names the file that failed, not the name chosen.
void tst_Recording::failedRotatedWriteNamesTheFile()
{
    QFETCH(bool, removeFile);

    ProgramFixture program;
    program.start();
    QVERIFY(program.window()->startRecording(program.path() + QStringLiteral("/z.csv"),
                                             {RotationKind::Size, 1000}));
    const QString file = program.path() + QStringLiteral("/z-0001.csv");
    poll(program, QByteArray("b\0\x07\0", 4));
    if (removeFile) {
        QVERIFY(QFile::remove(file));
        poll(program, QByteArray("b\0\x08\0", 4));
    } else {
        // A file size limit fails the write as a full disk does.
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = QFileInfo(file).size() + 10;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        poll(program, QByteArray("b\0\x08\0", 4));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);
        QCOMPARE(readWithPythonCsv(file).size(), 2);
    }
    QCOMPARE(program.messages().texts().size(), 1);
    QVERIFY2(program.messages().texts().first().contains(file),
             qPrintable(program.messages().texts().first()));
    QVERIFY(!program.window()->isRecording());
    poll(program, QByteArray("b\0\x09\0", 4));
    QCOMPARE(program.control<QLabel>("Label1")->text(), QStringLiteral("009 V"));
    QCOMPARE(program.messages().texts().size(), 1);
}

// The run's description holds the panel's generator at the start and each
// setting sent later, with its time.
void tst_Recording::generatorSettingsAreDescribed()
{
    ProgramFixture program;
    program.start();
    const QString path = program.path() + QStringLiteral("/r.csv");
    QVERIFY(program.window()->startRecording(path));
    program.control<QScrollBar>("cas1")->setValue(-128);
    program.control<QRadioButton>("RadioButton3")->click();
    program.control<QPushButton>("Button2")->click();
    QTRY_COMPARE(program.instrument().framesReceived().size(), size_t(1));

    QFile sidecar(path + QStringLiteral(".json"));
    QVERIFY(sidecar.open(QIODevice::ReadOnly));
    const QJsonObject run =
        QJsonDocument::fromJson(sidecar.readAll())["runs"].toArray().last().toObject();
    QCOMPARE(run["generator"]["value"].toInt(), 0);
    const QJsonArray changes = run["generator_changes"].toArray();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes[0]["waveform"].toString(), QStringLiteral("Obdélník"));
    QCOMPARE(changes[0]["value"].toInt(), 128);
    QVERIFY(QDateTime::fromString(changes[0]["time"].toString(), Qt::ISODateWithMs).isValid());
}

// Other parts of the program write the device panel; the marker stays after
// whatever they write.
void tst_Recording::markerOutlivesPanelTexts()
{
    QStatusBar bar;
    StatusBarPanels panels(&bar, {{"a", 10}, {"b", 10}, {QString(), 10}});
    auto *label = bar.findChild<QLabel *>(QStringLiteral("Panel2"));
    panels.setMarker(2, Marker);
    panels.setText(2, QStringLiteral("COM1"));
    QCOMPARE(label->text(), QStringLiteral("COM1 ") + Marker);
    QCOMPARE(panels.text(2), QStringLiteral("COM1"));
    panels.setMarker(2, QString());
    QCOMPARE(label->text(), QStringLiteral("COM1"));
}

QTEST_MAIN(tst_Recording)
#include "tst_recording.moc"
