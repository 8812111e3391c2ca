#include "app/tt_zunov.h"
#include "link/instrumentsession.h"
#include "support/programfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

// The generator panel: what each control puts into the request frame, the
// waveform tables behind the preview, and the upload.
class tst_Generator : public QObject
{
    Q_OBJECT

private slots:
    void waveformButtons_data();
    void waveformButtons();
    void sliderAfterButton();
    void waveformFileFeedsThePreview();
    void missingWaveformFileKeepsTheTable();
    void uploadAfterStartUp();
    void uploadAfterAPollSendsGeneratorSettings();
    void valuesAfterAnUploadAreStale();
};

void tst_Generator::waveformButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("position");
    QTest::addColumn<Frame>("frame");
    QTest::newRow("Sinus at the right end") << "RadioButton5" << 0 << Frame{100, 30, 0, 0};
    QTest::newRow("Sinus 1/2") << "RadioButton4" << -10 << Frame{100, 60, 10, 0};
    QTest::newRow("Obdélník") << "RadioButton3" << -128 << Frame{100, 40, 128, 0};
    QTest::newRow("Pila at the left end") << "RadioButton2" << -255 << Frame{100, 50, 255, 0};
    QTest::newRow("Trojúhelník one step right of the left end")
        << "RadioButton1" << -254 << Frame{100, 20, 254, 0};
}

void tst_Generator::waveformButtons()
{
    QFETCH(QString, button);
    QFETCH(int, position);
    QFETCH(Frame, frame);
    ProgramFixture program({{}, false, "help"});
    program.start();
    program.control<QScrollBar>("cas1")->setValue(position);
    program.window()->state.tx[0] = 211;
    program.control<QRadioButton>(qPrintable(button))->click();
    // The button writes the same frequency byte as the slider does.
    QCOMPARE(program.window()->state.tx, frame);
}

void tst_Generator::sliderAfterButton()
{
    ProgramFixture program({{}, false, "help"});
    program.start();
    auto *slider = program.control<QScrollBar>("cas1");
    slider->setValue(-255);
    program.control<QRadioButton>("RadioButton2")->click();
    QCOMPARE(program.window()->state.tx, (Frame{100, 50, 255, 0}));
    slider->setValue(-254);
    QCOMPARE(program.window()->state.tx, (Frame{100, 50, 254, 0}));
    QCOMPARE(program.control<QLabel>("cass1")->text(), QStringLiteral("254"));
}

void tst_Generator::waveformFileFeedsThePreview()
{
    ProgramFixture program({{}, false, "help"});
    QByteArray ramp = "0";
    for (int i = 0; i < 255; ++i)
        ramp += ' ' + QByteArray::number(i);
    program.writeFile(QStringLiteral("pila.gen"), ramp);
    program.start();
    auto *preview = program.control<QLabel>("Ukazka");
    const QImage flat = preview->pixmap().toImage();

    program.control<QRadioButton>("RadioButton2")->click();
    WaveformTable expected;
    for (int i = 0; i < WaveformSamples; ++i)
        expected[i] = uint8_t(i);
    QCOMPARE(program.window()->waveformTable, expected);
    QVERIFY(preview->pixmap().toImage() != flat);
}

void tst_Generator::missingWaveformFileKeepsTheTable()
{
    ProgramFixture program({{}, false, "help"});
    program.writeFile(QStringLiteral("pila.gen"), "0 200");
    program.start();
    program.control<QRadioButton>("RadioButton2")->click();
    QCOMPARE(program.window()->waveformTable[100], 200);

    program.control<QRadioButton>("RadioButton5")->click();
    QCOMPARE(program.window()->waveformTable[100], 200);
    QCOMPARE(program.window()->state.tx[1], 30);
    QVERIFY(program.messages().texts().isEmpty());
}

void tst_Generator::uploadAfterStartUp()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->Timer2->setEnabled(true);
    program.control<QPushButton>("Button2")->click();
    QTRY_COMPARE(program.instrument().framesReceived().size(), size_t(1));
    QCOMPARE(program.instrument().framesReceived().back(), (zunovsim::Frame{100, 0, 0, 0}));
    QVERIFY(!window->Timer2->enabled());
    QCOMPARE(window->panelText(1), QStringLiteral("OFFLINE generator"));
    QCOMPARE(window->panelText(4), QStringLiteral("Odelímám data pro generátor"));
    QVERIFY(window->Timer3->enabled());
}

void tst_Generator::uploadAfterAPollSendsGeneratorSettings()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    program.control<QScrollBar>("cas1")->setValue(-255);
    program.control<QRadioButton>("RadioButton2")->click();
    emit window->Timer2->timeout();
    QCOMPARE(window->state.tx[0], 211);

    program.control<QPushButton>("Button2")->click();
    QTRY_COMPARE(program.instrument().framesReceived().size(), size_t(2));
    QCOMPARE(program.instrument().framesReceived().back(), (zunovsim::Frame{100, 50, 255, 0}));
    const auto generator = program.instrument().lastGenerator();
    QVERIFY(generator.has_value());
}

void tst_Generator::valuesAfterAnUploadAreStale()
{
    // Polling stops with the upload; the last poll's values must not go on
    // looking current under "ONLINE".
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.online = true;
    window->session().handshakePassed();
    window->Timer2->setEnabled(true);
    QVERIFY(program.poll());
    auto *u1 = program.control<QLabel>("Label1");
    QVERIFY(u1->isEnabled());
    program.control<QPushButton>("Button2")->click();
    QTRY_COMPARE(window->panelText(1), QStringLiteral("ONLINE"));
    QTest::qWait(300);
    QVERIFY(!u1->isEnabled());
}

QTEST_MAIN(tst_Generator)
#include "tst_generator.moc"
