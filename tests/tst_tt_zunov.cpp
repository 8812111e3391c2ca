#include "app/tt_zunov.h"
#include "dialogs/tnast.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"
#include "platform/application.h"
#include "support/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <sys/inotify.h>
#include <unistd.h>

class tst_TT_ZUNOV : public QObject
{
    Q_OBJECT

private slots:
    void initialTexts_data();
    void initialTexts();
    void initialFrameAndControls();
    void configuration_data();
    void configuration();
    void settingsFileIsReadOnce();
    void portIsOpenedAndConfigured();
    void onlineFlagShownWithinATick();
    void restartRequestEndsTheProgram();
    void konecEndsTheProgram();
    void sliderSetsFrequencyByte_data();
    void sliderSetsFrequencyByte();
    void windowsCanBeMadeTwice();
    void everyWindowCarriesTheApplicationIcon();
    void seriesList();
    void savingSettingsEndsTheProgram();

private:
    static ProgramFixture::Options offline(const QByteArray &ini = {})
    {
        return {ini, false, "Nápověda\n"};
    }
};

void tst_TT_ZUNOV::initialTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("U1") << "Label1"
                        << "000 V";
    QTest::newRow("U2") << "Label"
                        << "000 V";
    QTest::newRow("frequency value of the slider") << "cass1"
                                                   << "000";
    QTest::newRow("frequency") << "Label12"
                               << "00000000Hz";
    QTest::newRow("current") << "Label11"
                             << "0.00A";
    QTest::newRow("resistance digits") << "RXX"
                                       << "000";
    QTest::newRow("resistance suffix") << "RXXX"
                                       << "ohm";
}

void tst_TT_ZUNOV::initialTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    ProgramFixture program(offline());
    program.start();
    QCOMPARE(program.control<QLabel>(qPrintable(name))->text(), text);
    QVERIFY(program.messages().texts().isEmpty());
}

void tst_TT_ZUNOV::initialFrameAndControls()
{
    ProgramFixture program(offline());
    program.start();
    TT_ZUNOV *window = program.window();
    QCOMPARE(window->state.tx, (Frame{100, 0, 0, 0}));
    QCOMPARE(window->state.rx, (Frame{0, 0, 0, 0}));
    QVERIFY(!window->state.online);
    QCOMPARE(window->panelText(1), QStringLiteral("OFFLINE"));
    QCOMPARE(window->panelText(4), QStringLiteral("Žádná komunikace"));
    QCOMPARE(program.control<QScrollBar>("cas1")->value(), 0);
    for (QRadioButton *button : window->findChildren<QRadioButton *>())
        QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
    // A label that grows with its text never cuts off a digit.
    auto *frequency = program.control<QLabel>("Label12");
    QVERIFY(frequency->width() >= frequency->sizeHint().width());

    QVERIFY(window->Timer1->enabled());
    QCOMPARE(window->Timer1->interval(), 100);
    QVERIFY(!window->Timer2->enabled());
    QVERIFY(!window->Timer3->enabled());
    for (Timer *step : {window->Timer4, window->Timer5, window->Timer6, window->Timer7}) {
        QVERIFY(!step->enabled());
        QCOMPARE(step->interval(), 500);
    }
}

void tst_TT_ZUNOV::configuration_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pollInterval");
    QTest::addColumn<int>("resetInterval");

    QTest::newRow("no file") << QByteArray() << "ZUNOV v1 na COM1 " << 0 << 0;
    QTest::newRow("port 3, period 1001") << QByteArray("[NASTAVENI]\r\nPort=3\r\nTSER=1001\r\n")
                                         << "ZUNOV v1 na COM3 " << 1001 << 500;
    QTest::newRow("only the period")
        << QByteArray("[NASTAVENI]\nTSER=1000\n") << "ZUNOV v1 na COM1 " << 1000 << 500;
    QTest::newRow("period 1 leaves no reset")
        << QByteArray("[NASTAVENI]\nTSER=1\n") << "ZUNOV v1 na COM1 " << 1 << 0;
    QTest::newRow("negative period never polls")
        << QByteArray("[NASTAVENI]\nTSER=-500\n") << "ZUNOV v1 na COM1 " << 0 << 0;
    QTest::newRow("port as letters uses port 1")
        << QByteArray("[NASTAVENI]\nPort=x\n") << "ZUNOV v1 na COM1 " << 0 << 0;
    QTest::newRow("port out of range used as given")
        << QByteArray("[NASTAVENI]\nPort=12\n") << "ZUNOV v1 na COM12 " << 0 << 0;
}

void tst_TT_ZUNOV::configuration()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, caption);
    QFETCH(int, pollInterval);
    QFETCH(int, resetInterval);
    ProgramFixture program(offline(ini));
    program.start();
    TT_ZUNOV *window = program.window();
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->Timer2->interval(), pollInterval);
    QCOMPARE(window->Timer3->interval(), resetInterval);

    // Even once online, a period of 0 or below never starts polling. A period
    // of 1 ms has asked the missing instrument three times by now, and backs off.
    window->state.online = true;
    window->Timer2->setEnabled(true);
    QTest::qWait(150);
    QCOMPARE(window->Timer2->interval(),
             pollInterval == 1 ? LinkLife::BackOffPollPeriodMs : pollInterval);
    QCOMPARE(window->Timer2->isCounting(), pollInterval > 0);
}

void tst_TT_ZUNOV::portIsOpenedAndConfigured()
{
    ProgramFixture program;
    program.start();
    TSerial &port = program.window()->serialPort();
    QVERIFY(port.IsOpen());
    QCOMPARE(port.GetBaudRate(), 9600u);
    QCOMPARE(port.GetByteSize(), 8);
    QCOMPARE(port.timeouts().ReadTotalTimeoutConstant, 1000u);
}

void tst_TT_ZUNOV::onlineFlagShownWithinATick()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.online = true;
    window->session().handshakePassed();
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), QStringLiteral("ONLINE"), 300);
}

void tst_TT_ZUNOV::restartRequestEndsTheProgram()
{
    ProgramFixture program(offline());
    program.start();
    TT_ZUNOV *window = program.window();
    window->show();
    QSignalSpy closed(window, &TT_ZUNOV::closed);
    QVERIFY(closed.isValid());
    window->requestRestart();
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 300);
    QVERIFY(!window->isVisible());
}

void tst_TT_ZUNOV::konecEndsTheProgram()
{
    ProgramFixture program(offline());
    program.start();
    TT_ZUNOV *window = program.window();
    window->show();
    QSignalSpy closed(window, &TT_ZUNOV::closed);
    program.control<QAction>("Konec1")->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!window->isVisible());
}

void tst_TT_ZUNOV::sliderSetsFrequencyByte_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("byte");
    QTest::newRow("left end") << -255 << "255" << 255;
    QTest::newRow("one step right of the left end") << -254 << "254" << 254;
    QTest::newRow("middle") << -100 << "100" << 100;
}

void tst_TT_ZUNOV::sliderSetsFrequencyByte()
{
    QFETCH(int, position);
    QFETCH(QString, shown);
    QFETCH(int, byte);
    ProgramFixture program(offline());
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.tx[0] = 211;
    program.control<QScrollBar>("cas1")->setValue(position);
    QCOMPARE(program.control<QLabel>("cass1")->text(), shown);
    QCOMPARE(window->state.tx, (Frame{100, 0, uint8_t(byte), 0}));
}

void tst_TT_ZUNOV::windowsCanBeMadeTwice()
{
    // The port is released with the windows, so a second set opens it again.
    ProgramFixture program;
    program.start();
    QVERIFY(program.window()->serialPort().IsOpen());
    program.start();
    QVERIFY(program.window()->serialPort().IsOpen());
}

void tst_TT_ZUNOV::everyWindowCarriesTheApplicationIcon()
{
    const QIcon icon = applicationIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
    QApplication::setWindowIcon(icon);
    ProgramFixture program(offline());
    program.start();
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(windows.size() >= 6);
    for (const QWidget *window : windows)
        QCOMPARE(window->windowIcon().cacheKey(), icon.cacheKey());
}

void tst_TT_ZUNOV::seriesList()
{
    ProgramFixture program(offline());
    program.writeFile(QStringLiteral("E12.dat"), "1.0\r\n1.2\r\n\r\n1.5\r\n");
    program.start();
    auto *series = program.control<QListWidget>("ListBox1");
    auto *values = program.control<QListWidget>("ListBox2");
    auto itemTexts = [values] {
        QStringList texts;
        for (int i = 0; i < values->count(); ++i)
            texts << values->item(i)->text();
        return texts;
    };

    series->setCurrentRow(0);
    QCOMPARE(itemTexts(), (QStringList{"1.0", "1.2", "", "1.5"}));

    // A series whose file is missing is reported; the list keeps its items.
    series->setCurrentRow(1);
    QCOMPARE(program.messages().texts(), QStringList{"Cannot open file E24.dat."});
    QCOMPARE(itemTexts(), (QStringList{"1.0", "1.2", "", "1.5"}));

    // Clicking the same series again reads its file again.
    series->setCurrentRow(0);
    program.writeFile(QStringLiteral("E12.dat"), "4.7\n");
    program.window()->show();
    QTest::mouseClick(series->viewport(), Qt::LeftButton, {},
                      series->visualItemRect(series->item(0)).center());
    QCOMPARE(itemTexts(), QStringList{"4.7"});
}

void tst_TT_ZUNOV::settingsFileIsReadOnce()
{
    // A huge or slow settings file must not be read once per window.
    ProgramFixture program(offline("[NASTAVENI]\r\nPort=3\r\nTSER=1000\r\n"));
    const int watcher = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watcher >= 0);
    const auto closeWatcher = qScopeGuard([&] { ::close(watcher); });
    QVERIFY(inotify_add_watch(watcher, QFile::encodeName(program.path() + "/ZUNOV.INI"), IN_OPEN)
            >= 0);
    program.start();

    int opens = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watcher, buffer, sizeof buffer)) > 0;)
        opens += int(n / sizeof(inotify_event));
    QCOMPARE(opens, 1);
    // Both windows still show what that one reading found.
    QCOMPARE(program.window()->windowTitle(), QStringLiteral("ZUNOV v1 na COM3 "));
    QCOMPARE(ProgramFixture::control<QLineEdit>(program.settingsWindow(), "TSER")->text(),
             QStringLiteral("1000"));
}

void tst_TT_ZUNOV::savingSettingsEndsTheProgram()
{
    ProgramFixture program(offline("[NASTAVENI]\r\nPort=1\r\nTSER=1000\r\n"));
    program.start();
    TT_ZUNOV *window = program.window();
    window->show();
    QSignalSpy closed(window, &TT_ZUNOV::closed);
    program.control<QAction>("Nastaven1")->trigger();
    QVERIFY(program.settingsWindow()->isVisible());

    auto *period = ProgramFixture::control<QLineEdit>(program.settingsWindow(), "TSER");
    period->setText(QStringLiteral("250"));
    ProgramFixture::control<QPushButton>(program.settingsWindow(), "Button2")->click();
    QCOMPARE(program.messages().texts(),
             QStringList{"Nové nastavení se projeví až po restarování programu. Proram bude nyní "
                         "ukončen!! "});
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 300);

    // The next start uses what was saved.
    program.messages().clear();
    program.start();
    QCOMPARE(program.window()->Timer2->interval(), 250);
}

QTEST_MAIN(tst_TT_ZUNOV)
#include "tst_tt_zunov.moc"
