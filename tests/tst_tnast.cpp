#include "config/configuration.h"
#include "dialogs/tnast.h"
#include "support/recordingmessagesink.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString RestartMessage = QStringLiteral(
    "Nové nastavení se projeví až po restarování programu. Proram bude nyní ukončen!! ");
const QByteArray HandEdited = "; ruční úprava\r\n[NASTAVENI]\r\nPort=12\r\nTSER=1000\r\n";

} // namespace

class tst_TNast : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void boxesFilledAtCreation_data();
    void boxesFilledAtCreation();
    void typingLimits_data();
    void typingLimits();
    void savedTextsAsTyped_data();
    void savedTextsAsTyped();
    void saveAnnouncesRestartThenSetsFlag();
    void refusedWriteKeepsProgramRunning();
    void closingKeepsTypedTextAndWritesNothing();
    void pastedLineBreakKeepsFileLines_data();
    void pastedLineBreakKeepsFileLines();
    void deviceSaved_data();
    void deviceSaved();
    void refusedWriteKeepsAllThreeKeys();

private:
    QString iniPath() const { return QDir::current().filePath(QStringLiteral("ZUNOV.INI")); }
    void writeIni(const QByteArray &bytes);
    QByteArray iniBytes() const;
    static QLineEdit *box(TNast &window, const char *name)
    {
        return window.findChild<QLineEdit *>(name);
    }
    static void save(TNast &window) { window.findChild<QPushButton *>("Button2")->click(); }
    static QComboBox *devices(TNast &window) { return window.findChild<QComboBox *>("Zarizeni"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_savedDir;
    bool m_restart = false;
};

void tst_TNast::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_restart = false;
}

void tst_TNast::cleanup()
{
    QDir::setCurrent(m_savedDir);
    m_dir.reset();
}

void tst_TNast::writeIni(const QByteArray &bytes)
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray tst_TNast::iniBytes() const
{
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_TNast::layout()
{
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    QCOMPARE(window.windowTitle(), QStringLiteral("Nastavení"));
    QVERIFY(window.isWindow());
    QVERIFY(
        !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box(window, "Port")->setFocus();
    QCOMPARE(QApplication::focusWidget(), box(window, "Port"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.findChild<QPushButton *>("Button2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(window, "TSER"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(devices(window)->isAncestorOf(QApplication::focusWidget())
            || QApplication::focusWidget() == devices(window));

    // The device row goes below the two rows that were there.
    QCOMPARE(window.findChild<QLabel *>("Label5")->text(), QStringLiteral("Zařízení:"));
    QCOMPARE(devices(window)->geometry(), QRect(136, 72, 275, 21));
    QCOMPARE(box(window, "TSER")->geometry(), QRect(136, 48, 65, 21));
    QCOMPARE(window.size(), QSize(417, 103));
    QVERIFY(devices(window)->isEditable());
    QCOMPARE(devices(window)->itemText(0), QStringLiteral("(podle čísla portu)"));
    QCOMPARE(devices(window)->itemData(0).toString(), QString());
}

void tst_TNast::boxesFilledAtCreation_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("period");
    QTest::newRow("no file shows the layout texts") << QByteArray() << "Port"
                                                    << "TSER";
    QTest::newRow("other section only") << QByteArray("[JINE]\nPort=3\n") << "Port"
                                        << "TSER";
    QTest::newRow("hand-edited port beyond the typing limit") << HandEdited << "12"
                                                              << "1000";
    QTest::newRow("empty values stay empty") << QByteArray("[NASTAVENI]\nPort=\nTSER=\n") << ""
                                             << "";
    QTest::newRow("only the period") << QByteArray("[nastaveni]\ntser=250\n") << "Port"
                                     << "250";
}

void tst_TNast::boxesFilledAtCreation()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, port);
    QFETCH(QString, period);
    if (!ini.isNull())
        writeIni(ini);
    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    QCOMPARE(box(window, "Port")->text(), port);
    QCOMPARE(box(window, "TSER")->text(), period);
    QVERIFY(sink.texts().isEmpty());
    QCOMPARE(iniBytes(), ini);
}

void tst_TNast::typingLimits_data()
{
    // Keys, with the cursor starting at the end: '<' moves left, '\b' deletes
    // backwards, '*' selects all; anything else is typed.
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    const QByteArray port1 = "[NASTAVENI]\nPort=1\nTSER=1000\n";
    QTest::newRow("second port digit refused") << port1 << "Port"
                                               << "2"
                                               << "1";
    QTest::newRow("sixth period digit refused") << port1 << "TSER"
                                                << "23"
                                                << "10002";
    QTest::newRow("hand-edited 12 takes no more") << HandEdited << "Port"
                                                  << "3"
                                                  << "12";
    QTest::newRow("hand-edited 12 shrinks, then the limit holds") << HandEdited << "Port"
                                                                  << "\b5\b5"
                                                                  << "5";
    QTest::newRow("layout text replaced by typing") << QByteArray() << "Port"
                                                    << "*7"
                                                    << "7";
    QTest::newRow("deleting inside a long text keeps the cursor") << QByteArray() << "Port"
                                                                  << "<\b\b\b"
                                                                  << "t";
}

void tst_TNast::typingLimits()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, boxName);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    if (!ini.isNull())
        writeIni(ini);
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    QLineEdit *edit = box(window, qPrintable(boxName));
    edit->setFocus();
    edit->end(false);
    for (const QChar key : keys) {
        if (key == u'<')
            QTest::keyClick(edit, Qt::Key_Left);
        else if (key == u'\b')
            QTest::keyClick(edit, Qt::Key_Backspace);
        else if (key == u'*')
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        else
            QTest::keyClicks(edit, QString(key));
    }
    QCOMPARE(edit->text(), text);
}

void tst_TNast::savedTextsAsTyped_data()
{
    // A null "typed" text leaves the box untouched; otherwise the box is
    // emptied and the text typed key by key, as a user would.
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("typedPort");
    QTest::addColumn<QString>("typedPeriod");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("untouched hand-edited 12 written back")
        << HandEdited << QString() << QString() << HandEdited;
    QTest::newRow("letter typed into Port")
        << HandEdited << "x" << QString()
        << QByteArray("; ruční úprava\r\n[NASTAVENI]\r\nPort=x\r\nTSER=1000\r\n");
    QTest::newRow("TSER cleared is written empty")
        << HandEdited << QString() << ""
        << QByteArray("; ruční úprava\r\n[NASTAVENI]\r\nPort=12\r\nTSER=\r\n");
    QTest::newRow("typing stops at the limits")
        << HandEdited << "34"
        << "-1234567" << QByteArray("; ruční úprava\r\n[NASTAVENI]\r\nPort=3\r\nTSER=-1234\r\n");
    QTest::newRow("no file: new file with both keys")
        << QByteArray() << "2"
        << "500" << QByteArray("[NASTAVENI]\r\nPort=2\r\nTSER=500\r\n");
}

void tst_TNast::savedTextsAsTyped()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, typedPort);
    QFETCH(QString, typedPeriod);
    QFETCH(QByteArray, saved);
    if (!ini.isNull())
        writeIni(ini);
    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    for (const auto &[name, typed] : {std::pair{"Port", typedPort}, {"TSER", typedPeriod}}) {
        if (typed.isNull())
            continue;
        QLineEdit *edit = box(window, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
    }
    save(window);
    QCOMPARE(sink.texts(), QStringList{RestartMessage});
    QCOMPARE(iniBytes(), saved);
}

void tst_TNast::saveAnnouncesRestartThenSetsFlag()
{
    writeIni(HandEdited);
    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    box(window, "TSER")->setText("250");
    bool checkedInBox = false;
    sink.setReaction([&](const QString &) {
        // While the user reads the message the program must not end yet,
        // but the settings are already safe in the file.
        checkedInBox = true;
        QVERIFY(!m_restart);
        QVERIFY(window.isVisible());
        QCOMPARE(ProfileFile(iniPath()).readString("NASTAVENI", "TSER", QString()),
                 QStringLiteral("250"));
    });
    save(window);
    QVERIFY(checkedInBox);
    QCOMPARE(sink.messages().size(), 1);
    QCOMPARE(sink.messages().at(0).first, MessageKind::Information);
    QCOMPARE(sink.messages().at(0).second, RestartMessage);
    QVERIFY(m_restart);
    QVERIFY(!window.isVisible());
}

void tst_TNast::refusedWriteKeepsProgramRunning()
{
    writeIni(HandEdited);
    // No write bit at all: refused by the program's own check even for a
    // superuser, who would otherwise get past the permission bits.
    QVERIFY(
        QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const auto restore = qScopeGuard(
        [&] { QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner); });

    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    box(window, "Port")->setText("5");
    box(window, "TSER")->setText("200");
    save(window);

    QCOMPARE(sink.messages().size(), 1);
    QCOMPARE(sink.messages().at(0).first, MessageKind::Error);
    QCOMPARE(sink.messages().at(0).second,
             "Unable to write to "
                 + QDir::toNativeSeparators(QFileInfo(iniPath()).absoluteFilePath()) + ".");
    QVERIFY(!m_restart);
    QVERIFY(window.isVisible());
    QCOMPARE(iniBytes(), HandEdited);
}

void tst_TNast::closingKeepsTypedTextAndWritesNothing()
{
    writeIni(HandEdited);
    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    QLineEdit *port = box(window, "Port");
    port->setFocus();
    port->selectAll();
    QTest::keyClicks(port, "7");
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());

    // Whatever is in the file now is not read again.
    writeIni("[NASTAVENI]\r\nPort=4\r\n");
    window.show();
    QCOMPARE(port->text(), QStringLiteral("7"));
    QCOMPARE(box(window, "TSER")->text(), QStringLiteral("1000"));
    QCOMPARE(iniBytes(), QByteArray("[NASTAVENI]\r\nPort=4\r\n"));
    QVERIFY(sink.texts().isEmpty());
    QVERIFY(!m_restart);
}

void tst_TNast::pastedLineBreakKeepsFileLines_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("line feed alone in Port") << "Port"
                                             << "\n";
    QTest::newRow("CR LF and a section in TSER") << "TSER"
                                                 << "1\r\n[X";
    QTest::newRow("key line in TSER") << "TSER"
                                      << "\nA=1";
}

void tst_TNast::pastedLineBreakKeepsFileLines()
{
    QFETCH(QString, boxName);
    QFETCH(QString, pasted);
    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    QLineEdit *edit = box(window, qPrintable(boxName));
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(pasted);
    edit->paste();
    // The box keeps a pasted line break as it is; the file must still not split.
    QCOMPARE(edit->text(), pasted);
    save(window);

    const QList<QByteArray> lines = iniBytes().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QByteArray("[NASTAVENI]\r"));
    QVERIFY(lines.at(1).startsWith("Port="));
    QVERIFY(lines.at(2).startsWith("TSER="));
    QCOMPARE(lines.at(3), QByteArray());
    QVERIFY(!iniBytes().contains("\r\r"));
    QVERIFY(!iniBytes().contains("\r["));
}

void tst_TNast::deviceSaved_data()
{
    // typed: text typed into the device box; "<pick>" chooses the empty
    // choice from the list.
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    const QByteArray noDevice = "[NASTAVENI]\r\nPort=1\r\nTSER=1000\r\n";
    const QByteArray handWritten =
        "[NASTAVENI]\r\nPort=1\r\nZarizeni = '/dev/ttyACM0'\r\nTSER=1000\r\n";
    QTest::newRow("no key, nothing chosen: no line added") << noDevice << QString() << noDevice;
    QTest::newRow("no key, a path typed: all three keys")
        << noDevice << "/dev/ttyUSB0"
        << QByteArray("[NASTAVENI]\r\nPort=1\r\nTSER=1000\r\nZarizeni=/dev/ttyUSB0\r\n");
    QTest::newRow("hand-written line kept as written") << handWritten << QString() << handWritten;
    QTest::newRow("empty choice picked: by the port number again")
        << handWritten << "<pick>"
        << QByteArray("[NASTAVENI]\r\nPort=1\r\nZarizeni = \r\nTSER=1000\r\n");
}

void tst_TNast::deviceSaved()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    writeIni(ini);
    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    QComboBox *choice = devices(window);
    if (typed == QLatin1String("<pick>")) {
        choice->setCurrentIndex(0);
        emit choice->activated(0);
        QCOMPARE(choice->currentText(), QString());
    } else if (!typed.isNull()) {
        choice->lineEdit()->setFocus();
        choice->lineEdit()->selectAll();
        QTest::keyClicks(choice->lineEdit(), typed);
    }
    save(window);
    QCOMPARE(sink.texts(), QStringList{RestartMessage});
    QCOMPARE(iniBytes(), saved);
}

void tst_TNast::refusedWriteKeepsAllThreeKeys()
{
    const QByteArray ini = "[NASTAVENI]\r\nPort=1\r\nTSER=1000\r\nZarizeni=/dev/ttyS0\r\n";
    writeIni(ini);
    QVERIFY(QFile::setPermissions(iniPath(), QFile::ReadOwner));
    const auto restore = qScopeGuard(
        [&] { QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner); });
    RecordingMessageSink sink;
    TNast window([this] { m_restart = true; }, readConfiguration(configurationFilePath()));
    window.show();
    QCOMPARE(devices(window)->currentText(), QStringLiteral("/dev/ttyS0"));
    box(window, "Port")->setText("2");
    box(window, "TSER")->setText("500");
    devices(window)->setEditText("/dev/ttyUSB1");
    save(window);
    QCOMPARE(sink.messages().size(), 1);
    QCOMPARE(sink.messages().at(0).first, MessageKind::Error);
    QCOMPARE(iniBytes(), ini);
    QVERIFY(!m_restart);
}

QTEST_MAIN(tst_TNast)
#include "tst_tnast.moc"
