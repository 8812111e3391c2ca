#include "instrument.h"

#include <QtTest>

using namespace zunovsim;

Q_DECLARE_METATYPE(zunovsim::Faults)

namespace {
constexpr int kNoAnswer = -1;
const Frame kScripted{'g', 0, 0, 150};

// Feeds the bytes in and lists what came back, kNoAnswer where nothing did.
QList<int> feed(Instrument &instrument, const QList<int> &bytes)
{
    QList<int> answers;
    for (int byte : bytes) {
        const auto answer = instrument.onByte(static_cast<uint8_t>(byte));
        answers.append(answer ? answer->byte : kNoAnswer);
    }
    return answers;
}
} // namespace

class tst_Instrument : public QObject
{
    Q_OBJECT

private slots:
    void byteStream_data();
    void byteStream();
    void faults_data();
    void faults();
    void lateByteIsDelayed();
    void generatedRepliesArePlausible_data();
    void generatedRepliesArePlausible();
    void sameSeedSameReplies();
    void generatorFrameIsReported_data();
    void generatorFrameIsReported();
    void hangUpAfterExchanges();
    void abandonedFrameResynchronises();
    void garbageReplacesFrameAnswers();
};

// What a healthy instrument answers, and how it finds the start of a frame.
void tst_Instrument::byteStream_data()
{
    QTest::addColumn<QList<int>>("input");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("handshakes");
    QTest::addColumn<int>("exchanges");

    const int none = kNoAnswer;
    QTest::newRow("handshake echoes every byte")
        << QList<int>{111, 111, 111, 111} << QList<int>{111, 111, 111, 111} << 4 << 0;
    QTest::newRow("poll gets the scripted reply")
        << QList<int>{211, 30, 7, 0} << QList<int>{'g', 0, 0, 150} << 0 << 1;
    QTest::newRow("generator frame is echoed")
        << QList<int>{100, 50, 255, 0} << QList<int>{100, 50, 255, 0} << 0 << 1;
    QTest::newRow("stray bytes before a poll get no answer")
        << QList<int>{5, 250, 0, 211, 0, 0, 0} << QList<int>{none, none, none, 'g', 0, 0, 150} << 0
        << 1;
    QTest::newRow("111 inside a frame is data, not a handshake")
        << QList<int>{211, 111, 111, 111} << QList<int>{'g', 0, 0, 150} << 0 << 1;
    QTest::newRow("211 inside a frame does not start another")
        << QList<int>{100, 211, 211, 0, 111} << QList<int>{100, 211, 211, 0, 111} << 1 << 1;
    QTest::newRow("handshake between two frames")
        << QList<int>{100, 0, 0, 0, 111, 211, 0, 0, 0}
        << QList<int>{100, 0, 0, 0, 111, 'g', 0, 0, 150} << 1 << 2;
}

void tst_Instrument::byteStream()
{
    QFETCH(QList<int>, input);
    QFETCH(QList<int>, expected);
    QFETCH(int, handshakes);
    QFETCH(int, exchanges);

    Instrument instrument;
    instrument.queueReplies({kScripted});
    QCOMPARE(feed(instrument, input), expected);
    QCOMPARE(instrument.handshakeCount(), handshakes);
    QCOMPARE(instrument.exchangeCount(), exchanges);
    QVERIFY(!instrument.insideFrame());
}

void tst_Instrument::faults_data()
{
    QTest::addColumn<Faults>("faults");
    QTest::addColumn<QList<int>>("input");
    QTest::addColumn<QList<int>>("expected");

    const int none = kNoAnswer;
    const int wrong = Instrument::WrongEcho;
    const QList<int> handshake{111, 111, 111, 111};
    const QList<int> poll{211, 0, 0, 0};

    QTest::newRow("silence answers no handshake")
        << Faults{.silence = true} << handshake << QList<int>{none, none, none, none};
    QTest::newRow("silence answers no poll")
        << Faults{.silence = true} << poll << QList<int>{none, none, none, none};
    QTest::newRow("wrong echo at step 2")
        << Faults{.wrongEchoStep = 2} << handshake << QList<int>{111, wrong, 111, 111};
    QTest::newRow("wrong echo at step 4")
        << Faults{.wrongEchoStep = 4} << handshake << QList<int>{111, 111, 111, wrong};
    QTest::newRow("fifth handshake byte is step 1 again")
        << Faults{.wrongEchoStep = 1} << QList<int>{111, 111, 111, 111, 111}
        << QList<int>{wrong, 111, 111, 111, wrong};
    QTest::newRow("a poll between restarts the steps")
        << Faults{.wrongEchoStep = 3} << QList<int>{111, 111, 211, 0, 0, 0, 111, 111, 111}
        << QList<int>{111, 111, 'g', 0, 0, 150, 111, 111, wrong};
    QTest::newRow("dropped third reply byte")
        << Faults{.dropByte = 3} << poll << QList<int>{'g', 0, none, 150};
    QTest::newRow("dropped byte counts handshake echoes too")
        << Faults{.dropByte = 2} << QList<int>{111, 211, 0, 0, 0}
        << QList<int>{111, none, 0, 0, 150};
    QTest::newRow("garbage keeps handshake echoes")
        << Faults{.garbage = true} << handshake << handshake;
    QTest::newRow("late byte still arrives")
        << Faults{.lateByte = 1} << poll << QList<int>{'g', 0, 0, 150};
}

void tst_Instrument::faults()
{
    QFETCH(Faults, faults);
    QFETCH(QList<int>, input);
    QFETCH(QList<int>, expected);

    Instrument instrument;
    instrument.queueReplies({kScripted});
    instrument.setFaults(faults);
    QCOMPARE(feed(instrument, input), expected);
}

void tst_Instrument::lateByteIsDelayed()
{
    Instrument instrument;
    instrument.setFaults({.lateByte = 3, .lateDelay = std::chrono::milliseconds(1500)});
    for (int step = 1; step <= 4; ++step) {
        const auto answer = instrument.onByte(Instrument::Handshake);
        QVERIFY(answer);
        QCOMPARE(answer->delay.count(), step == 3 ? 1500 : 0);
    }
}

// Across many polls every reply has one of the known forms with values the
// display can show, each kind turns up, and values move only a little.
void tst_Instrument::generatedRepliesArePlausible_data()
{
    QTest::addColumn<uint32_t>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 42") << 42u;
    QTest::newRow("seed 4000000000") << 4000000000u;
}

void tst_Instrument::generatedRepliesArePlausible()
{
    QFETCH(uint32_t, seed);
    Instrument instrument(seed);
    QSet<int> kinds;
    int lastCurrent = -1;
    for (int i = 0; i < 2000; ++i) {
        const QList<int> r = feed(instrument, {211, 0, 0, 0});
        kinds.insert(r[0] == 'b' ? 'c' : r[0]); // U1 in volts or tenths: one kind
        switch (r[0]) {
        case 'c':
        case 'b':
            QVERIFY2(r[1] == 'a' || r[1] == '`', "U1 comes with U2");
            break;
        case 'f':
            QVERIFY(r[1] >= 200 && r[1] <= 205);
            QCOMPARE(r[2], 0);
            break;
        case 'e':
            QVERIFY(65536 * r[1] + 256 * r[2] + r[3] > 0);
            break;
        case 'g':
            QCOMPARE(r[1], 0);
            QCOMPARE(r[2], 0);
            if (lastCurrent >= 0)
                QVERIFY(qAbs(r[3] - lastCurrent) <= 10);
            lastCurrent = r[3];
            break;
        default:
            QFAIL(qPrintable(QStringLiteral("unknown reply tag %1").arg(r[0])));
        }
    }
    QCOMPARE(kinds, (QSet<int>{'c', 'f', 'e', 'g'}));
}

void tst_Instrument::sameSeedSameReplies()
{
    Instrument first(7);
    Instrument second(7);
    Instrument other(8);
    QList<int> a, b, c;
    for (int i = 0; i < 40; ++i) {
        a += feed(first, {211, 0, 0, 0});
        b += feed(second, {211, 0, 0, 0});
        c += feed(other, {211, 0, 0, 0});
    }
    QCOMPARE(a, b);
    QVERIFY(a != c);
}

void tst_Instrument::generatorFrameIsReported_data()
{
    QTest::addColumn<int>("waveform");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QString>("report");
    QTest::newRow("Pila at the left end") << 50 << 1 << "generator: waveform 50 (Pila) frequency 1";
    QTest::newRow("Obdélník") << 40 << 255 << "generator: waveform 40 (Obdélník) frequency 255";
    QTest::newRow("nothing chosen yet") << 0 << 0 << "generator: waveform 0 (none) frequency 0";
    QTest::newRow("unknown code") << 77 << 3 << "generator: waveform 77 (unknown) frequency 3";
}

void tst_Instrument::generatorFrameIsReported()
{
    QFETCH(int, waveform);
    QFETCH(int, frequency);
    QFETCH(QString, report);

    Instrument instrument;
    QVERIFY(!instrument.lastGenerator());
    feed(instrument, {100, waveform, frequency, 0});
    const auto setting = instrument.lastGenerator();
    QVERIFY(setting);
    QCOMPARE(setting->waveform, waveform);
    QCOMPARE(setting->frequency, frequency);
    QCOMPARE(QString::fromStdString(Instrument::describe(*setting)), report);
}

void tst_Instrument::hangUpAfterExchanges()
{
    Instrument instrument;
    instrument.setFaults({.hangUpAfter = 2});
    feed(instrument, {111, 111, 111, 111, 211, 0, 0, 0});
    QVERIFY2(!instrument.hangUpDue(), "handshake steps are not exchanges");
    feed(instrument, {100, 20, 9, 0});
    QVERIFY(instrument.hangUpDue());
}

void tst_Instrument::abandonedFrameResynchronises()
{
    Instrument instrument;
    feed(instrument, {211, 0});
    QVERIFY(instrument.insideFrame());
    instrument.abandonFrame();
    QCOMPARE(feed(instrument, {111}), QList<int>{111});
    QCOMPARE(instrument.exchangeCount(), 0);
}

void tst_Instrument::garbageReplacesFrameAnswers()
{
    Instrument instrument;
    instrument.queueReplies({kScripted});
    instrument.setFaults({.garbage = true});
    const QList<int> answers = feed(instrument, {211, 0, 0, 0});
    QCOMPARE(answers.size(), 4);
    QVERIFY(!answers.contains(kNoAnswer));
    QVERIFY(answers != (QList<int>{'g', 0, 0, 150}));
}

QTEST_GUILESS_MAIN(tst_Instrument)
#include "tst_instrument.moc"
