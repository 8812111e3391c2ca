#include "app/appwindows.h"
#include "app/tt_zunov.h"
#include "support/recordingmessagesink.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_TT_ZUNOV : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void initialTexts_data();
    void initialTexts();
    void initialFrameAndControls();
    void timersAtStart();
    void onlineFlagShownWithinATick();
    void restartRequestEndsTheProgram();
    void konecEndsTheProgram();
    void sliderSetsFrequencyByte_data();
    void sliderSetsFrequencyByte();

private:
    template<typename T> T *control(const char *name) const
    {
        T *widget = m_windows->mainWindow()->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_savedDir;
    std::unique_ptr<RecordingMessageSink> m_sink;
    std::unique_ptr<AppWindows> m_windows;
};

void tst_TT_ZUNOV::init()
{
    // The program works in its working directory: a fresh, empty one per test.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QFile help(QStringLiteral("HELP.dat"));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.write("Nápověda\n");
    help.close();
    m_sink = std::make_unique<RecordingMessageSink>();
    m_windows = std::make_unique<AppWindows>();
}

void tst_TT_ZUNOV::cleanup()
{
    m_windows.reset();
    const QStringList messages = m_sink->texts();
    m_sink.reset();
    QDir::setCurrent(m_savedDir);
    m_dir.reset();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));
}

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
    QCOMPARE(control<QLabel>(qPrintable(name))->text(), text);
}

void tst_TT_ZUNOV::initialFrameAndControls()
{
    TT_ZUNOV *window = m_windows->mainWindow();
    QCOMPARE(window->state.tx, (Frame{100, 0, 0, 0}));
    QCOMPARE(window->state.rx, (Frame{0, 0, 0, 0}));
    QVERIFY(!window->state.online);
    QCOMPARE(window->panelText(1), QStringLiteral("OFFLINE"));
    QCOMPARE(window->panelText(4), QStringLiteral("Žádná komunikace"));
    QCOMPARE(control<QScrollBar>("cas1")->value(), 0);
    for (QRadioButton *button : window->findChildren<QRadioButton *>())
        QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
    // A label that grows with its text never cuts off a digit.
    auto *frequency = control<QLabel>("Label12");
    QVERIFY(frequency->width() >= frequency->sizeHint().width());
}

void tst_TT_ZUNOV::timersAtStart()
{
    TT_ZUNOV *window = m_windows->mainWindow();
    QVERIFY(window->Timer1->enabled());
    QCOMPARE(window->Timer1->interval(), 100);
    QVERIFY(!window->Timer2->enabled());
    QVERIFY(!window->Timer3->enabled());
    for (Timer *step : {window->Timer4, window->Timer5, window->Timer6, window->Timer7}) {
        QVERIFY(!step->enabled());
        QCOMPARE(step->interval(), 500);
    }
}

void tst_TT_ZUNOV::onlineFlagShownWithinATick()
{
    TT_ZUNOV *window = m_windows->mainWindow();
    window->state.online = true;
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), QStringLiteral("ONLINE"), 300);
}

void tst_TT_ZUNOV::restartRequestEndsTheProgram()
{
    TT_ZUNOV *window = m_windows->mainWindow();
    window->show();
    QSignalSpy closed(window, &TT_ZUNOV::closed);
    QVERIFY(closed.isValid());
    window->state.restartRequested = true;
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 300);
    QVERIFY(!window->isVisible());
}

void tst_TT_ZUNOV::konecEndsTheProgram()
{
    TT_ZUNOV *window = m_windows->mainWindow();
    window->show();
    QSignalSpy closed(window, &TT_ZUNOV::closed);
    control<QAction>("Konec1")->trigger();
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
    TT_ZUNOV *window = m_windows->mainWindow();
    window->state.tx[0] = 211;
    control<QScrollBar>("cas1")->setValue(position);
    QCOMPARE(control<QLabel>("cass1")->text(), shown);
    QCOMPARE(window->state.tx, (Frame{100, 0, uint8_t(byte), 0}));
}

QTEST_MAIN(tst_TT_ZUNOV)
#include "tst_tt_zunov.moc"
