#include "app/tt_zunov.h"
#include "measure/tgraff.h"
#include "measure/tperformancegraph.h"
#include "support/programfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QWindow>
#include <QtTest>

namespace {

using Labels = QMap<QString, QString>;

// The newest closed band's value, or -1 when the graph has not moved.
struct GraphWatch
{
    explicit GraphWatch(const TPerformanceGraph *graph)
        : graph(graph)
        , startY(graph->currentY())
    {}

    int newPoint() const
    {
        if (graph->currentY() == startY)
            return -1;
        const THistoryBand &band = graph->band(graph->LastY(graph->currentY()));
        return band.Count > 0 ? band.Values[0] : -1;
    }

    const TPerformanceGraph *graph;
    int startY;
};

} // namespace

// Polls through the emulated instrument with replies scripted byte for byte.
class tst_Polling : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void silentInstrumentShowsNothingOld();
    void pollFrameCarriesGeneratorBytes();
    void graphWindowFollowsTheCheckBox();

private:
    static void poll(ProgramFixture &program) { QVERIFY(program.poll()); }
};

void tst_Polling::replies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Labels>("labels");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("u1Point");
    QTest::addColumn<int>("u2Point");
    QTest::addColumn<int>("currentPoint");

    QTest::newRow("U1 and U2 in tenths")
        << QByteArray("ca\x7b\x2d") << Labels{{"Label1", "12.3 V"}, {"Label", "04.5 V"}}
        << "Příjem U1 a U2" << 123 << 45 << -1;
    QTest::newRow("U1 in volts only") << QByteArray("b\0\x07\0", 4) << Labels{{"Label1", "007 V"}}
                                      << "Příjem U1 a U2" << 7 << -1 << -1;
    QTest::newRow("U2 in volts only") << QByteArray("\0`\0\xc8", 4) << Labels{{"Label", "200 V"}}
                                      << "Příjem U1 a U2" << -1 << 200 << -1;
    QTest::newRow("resistance, range 201")
        << QByteArray("f\xc9\0\x2f", 4) << Labels{{"RXXX", "0 ohm"}, {"RXX", "047"}} << "Příjem R"
        << -1 << -1 << -1;
    QTest::newRow("resistance, unknown range keeps the suffix")
        << QByteArray("f\xc7\0\x2f", 4) << Labels{{"RXXX", "ohm"}, {"RXX", "047"}} << "Příjem R"
        << -1 << -1 << -1;
    QTest::newRow("current") << QByteArray("g\0\0\x96", 4) << Labels{{"Label11", "1.50A"}}
                             << "Příjem proudu" << -1 << -1 << 150;
    QTest::newRow("frequency from the reply")
        << QByteArray("e\0\0\xc8", 4) << Labels{{"Label12", "200.000000Hz"}} << "Příjem frekvence"
        << -1 << -1 << -1;
    QTest::newRow("frequency with upper bytes")
        << QByteArray("e\x01\x02\x03", 4) << Labels{{"Label12", "66051.000000Hz"}}
        << "Příjem frekvence" << -1 << -1 << -1;
    QTest::newRow("resistance beside U2")
        << QByteArray("fa\0\x2f", 4) << Labels{{"RXX", "047"}, {"Label", "04.7 V"}} << "Příjem R"
        << -1 << 47 << -1;
    QTest::newRow("nothing known")
        << QByteArray("zzzz") << Labels{{"Label1", "000 V"}} << "Příjem" << -1 << -1 << -1;
}

void tst_Polling::replies()
{
    QFETCH(QByteArray, reply);
    QFETCH(Labels, labels);
    QFETCH(QString, action);
    QFETCH(int, u1Point);
    QFETCH(int, u2Point);
    QFETCH(int, currentPoint);

    ProgramFixture program;
    program.start();
    program.instrument().queueReplies(
        {{uint8_t(reply[0]), uint8_t(reply[1]), uint8_t(reply[2]), uint8_t(reply[3])}});
    const GraphWatch u1(program.graphWindow()->PerformanceGraph1());
    const GraphWatch u2(program.graphWindow()->PerformanceGraph2());
    const GraphWatch current(program.control<TPerformanceGraph>("PerformanceGraph1"));

    poll(program);

    for (auto it = labels.cbegin(); it != labels.cend(); ++it)
        QCOMPARE(program.control<QLabel>(qPrintable(it.key()))->text(), it.value());
    QCOMPARE(program.window()->panelText(4), action);
    QCOMPARE(program.window()->panelText(1), action == QStringLiteral("Příjem")
                                                 ? QStringLiteral("OFFLINE")
                                                 : QStringLiteral("ONLINE"));
    QCOMPARE(u1.newPoint(), u1Point);
    QCOMPARE(u2.newPoint(), u2Point);
    QCOMPARE(current.newPoint(), currentPoint);
    QVERIFY(program.messages().texts().isEmpty());
}

void tst_Polling::silentInstrumentShowsNothingOld()
{
    ProgramFixture program({QByteArray("[NASTAVENI]\nTSER=400\n"), true, QByteArray("help")});
    program.start();
    program.instrument().queueReplies({{'g', 0, 0, 150}});
    poll(program);
    QCOMPARE(program.control<QLabel>("Label11")->text(), QStringLiteral("1.50A"));

    program.control<QLabel>("Label11")->setText(QStringLiteral("marker"));
    program.instrument().setFaults({.silence = true});
    const GraphWatch current(program.control<TPerformanceGraph>("PerformanceGraph1"));
    poll(program);
    // The previous reply's bytes are not shown again as if they were new.
    QCOMPARE(program.control<QLabel>("Label11")->text(), QStringLiteral("marker"));
    QCOMPARE(current.newPoint(), -1);
    QCOMPARE(program.window()->panelText(4), QStringLiteral("Žádná odpověď"));
    // The one-shot reset clears the action panel as after any poll.
    QTRY_COMPARE_WITH_TIMEOUT(program.window()->panelText(4), QStringLiteral("Žádná komunikace"),
                              1000);
}

void tst_Polling::pollFrameCarriesGeneratorBytes()
{
    ProgramFixture program;
    program.start();
    program.window()->state.tx = {100, 50, 77, 0};
    poll(program);
    QTRY_COMPARE(program.instrument().framesReceived().size(), size_t(1));
    QCOMPARE(program.instrument().framesReceived().back(), (zunovsim::Frame{211, 50, 77, 0}));
    QCOMPARE(program.window()->state.tx, (Frame{211, 50, 77, 0}));
}

void tst_Polling::graphWindowFollowsTheCheckBox()
{
    ProgramFixture program;
    program.start();
    program.window()->show();
    auto *box = program.control<QCheckBox>("CheckBox1");
    QVERIFY(!program.graphWindow()->isVisible());

    // Points fed while the window is hidden are there when it is shown.
    program.instrument().queueReplies({{'c', 'a', 100, 200}});
    poll(program);
    const QImage hiddenPicture = program.graphWindow()->PerformanceGraph1()->picture();
    box->click();
    QVERIFY(program.graphWindow()->isVisible());
    QCOMPARE(program.graphWindow()->PerformanceGraph1()->picture(), hiddenPicture);
    box->click();
    QVERIFY(!program.graphWindow()->isVisible());
    box->click();
    QCOMPARE(program.graphWindow()->PerformanceGraph1()->picture(), hiddenPicture);

    // Closed from its title bar, the window takes the tick with it, so the
    // next click shows it again.
    QVERIFY(box->isChecked());
    program.graphWindow()->windowHandle()->close();
    QVERIFY(!program.graphWindow()->isVisible());
    QVERIFY(!box->isChecked());
    box->click();
    QVERIFY(program.graphWindow()->isVisible());
}

QTEST_MAIN(tst_Polling)
#include "tst_polling.moc"
