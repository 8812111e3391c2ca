#include "app/tt_zunov.h"
#include "dialogs/tpripoj.h"
#include "link/instrumentsession.h"
#include "support/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

namespace {

const QString Online = QStringLiteral("ZUNOV je ONLINE");
const QString Fail1 = QStringLiteral("První bajt neprošel!! ");
const QString Fail2 = QStringLiteral("Druhý bajt neprošel!! ");
const QString Fail3 = QStringLiteral("Třetí bajt neprošel!! ");
const QString Fail4 = QStringLiteral("Čtvrtý bajt neprošel!! ");
constexpr int HandshakeTimeoutMs = 15000;

// The text a label last showed on screen, which can lag behind its text.
class PaintedText : public QObject
{
public:
    explicit PaintedText(QLabel *label)
        : QObject(label)
    {
        label->installEventFilter(this);
    }

    QString text;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            text = static_cast<QLabel *>(watched)->text();
        return false;
    }
};

} // namespace

class tst_Handshake : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data();
    void outcomes();
    void secondConnectOverADeadLinkFails();
    void clickWhileStepOnePendingChangesNothing();
    void clickAfterStepOneStartsASecondChain();
    void connectWhilePollingTestsTheInstrumentAlone();

private:
    // What the connect window showed on screen while each message was up.
    static void recordWindowAtMessages(ProgramFixture &program, QStringList &seen,
                                       std::function<void(const QString &)> then = {});
    static void connectAndWait(ProgramFixture &program);
};

void tst_Handshake::recordWindowAtMessages(ProgramFixture &program, QStringList &seen,
                                           std::function<void(const QString &)> then)
{
    const auto *step =
        new PaintedText(ProgramFixture::control<QLabel>(program.connectWindow(), "Label1"));
    const auto *received =
        new PaintedText(ProgramFixture::control<QLabel>(program.connectWindow(), "Label5"));
    program.messages().setReaction([&seen, then, step, received,
                                    connect = program.connectWindow()](const QString &text) {
        // A message box's own event loop paints what changed before it shows.
        QCoreApplication::sendPostedEvents(connect, QEvent::UpdateRequest);
        seen << text + QLatin1Char('|') + step->text + QLatin1Char('|') + received->text
                    + QLatin1Char('|')
                    + QString::number(
                        ProgramFixture::control<QProgressBar>(connect, "ProgressBar1")->value());
        if (then)
            then(text);
    });
}

void tst_Handshake::connectAndWait(ProgramFixture &program)
{
    TT_ZUNOV *window = program.window();
    program.control<QAction>("Pripojit1")->trigger();
    QVERIFY(program.connectWindow()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!program.connectWindow()->isVisible(), HandshakeTimeoutMs);
    for (Timer *step : {window->Timer4, window->Timer5, window->Timer6, window->Timer7})
        QVERIFY(!step->enabled());
}

void tst_Handshake::outcomes_data()
{
    QTest::addColumn<QString>("instrument");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("finalStepText");

    QTest::newRow("every byte echoed")
        << "echoes" << QStringList{Online + "|Test čtvrtého bajtu|111|100"} << true
        << "Test čtvrtého bajtu";
    QTest::newRow("only the fourth echoed")
        << "fourth only"
        << QStringList{Fail1 + "|Test prvního bajtu|0|25", Fail2 + "|Test druhého bajtu|0|50",
                       Fail3 + "|Test třetího bajtu|0|75", Online + "|Test čtvrtého bajtu|111|100"}
        << true << "Test čtvrtého bajtu";
    QTest::newRow("all but the fourth echoed")
        << "wrong fourth" << QStringList{Fail4 + "|Test čtvrtého bajtu|110|100"} << false
        << "Klik na připojit";
    QTest::newRow("silent instrument")
        << "silent"
        << QStringList{Fail1 + "|Test prvního bajtu|0|25", Fail2 + "|Test druhého bajtu|0|50",
                       Fail3 + "|Test třetího bajtu|0|75", Fail4 + "|Test čtvrtého bajtu|0|100"}
        << false << "Klik na připojit";
}

void tst_Handshake::outcomes()
{
    QFETCH(QString, instrument);
    QFETCH(QStringList, seen);
    QFETCH(bool, online);
    QFETCH(QString, finalStepText);

    ProgramFixture program(
        {QByteArray("[NASTAVENI]\r\nPort=1\r\nTSER=1000\r\n"), true, QByteArray("help")});
    zunovsim::Faults faults;
    if (instrument == QLatin1String("fourth only") || instrument == QLatin1String("silent"))
        faults.silence = true;
    if (instrument == QLatin1String("wrong fourth"))
        faults.wrongEchoStep = 4;
    program.instrument().setFaults(faults);
    program.start();

    QStringList recorded;
    recordWindowAtMessages(program, recorded, [&](const QString &text) {
        // The instrument comes to life just before the fourth step.
        if (instrument == QLatin1String("fourth only") && text == Fail3)
            program.instrument().setFaults({});
    });

    connectAndWait(program);
    QCOMPARE(recorded, seen);

    TT_ZUNOV *window = program.window();
    QCOMPARE(window->state.online, online);
    QCOMPARE(window->Timer2->enabled(), online);
    QCOMPARE(ProgramFixture::control<QLabel>(program.connectWindow(), "Label1")->text(),
             finalStepText);
    QCOMPARE(
        ProgramFixture::control<QProgressBar>(program.connectWindow(), "ProgressBar1")->value(), 0);
    QCOMPARE(ProgramFixture::control<QLabel>(program.connectWindow(), "Label4")->text(),
             QStringLiteral("111"));
    const QString linkState = online ? QStringLiteral("ONLINE") : QStringLiteral("OFFLINE");
    QTRY_COMPARE_WITH_TIMEOUT(window->panelText(1), linkState, 200);
}

void tst_Handshake::secondConnectOverADeadLinkFails()
{
    ProgramFixture program;
    program.start();
    connectAndWait(program);
    QCOMPARE(program.messages().texts(), QStringList{Online});

    // The instrument falls silent: the old echoes must not pass for new ones.
    program.instrument().setFaults({.silence = true});
    program.messages().clear();
    connectAndWait(program);
    QCOMPARE(program.messages().texts(), (QStringList{Fail1, Fail2, Fail3, Fail4}));
    QCOMPARE(ProgramFixture::control<QLabel>(program.connectWindow(), "Label5")->text(),
             QStringLiteral("0"));
    QCOMPARE(ProgramFixture::control<QLabel>(program.connectWindow(), "Label1")->text(),
             QStringLiteral("Klik na připojit"));
    // A failed handshake does not take the program offline.
    QVERIFY(program.window()->state.online);
}

void tst_Handshake::clickWhileStepOnePendingChangesNothing()
{
    ProgramFixture program;
    program.start();
    auto *connectItem = program.control<QAction>("Pripojit1");
    connectItem->trigger();
    QTest::qWait(200);
    connectItem->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!program.connectWindow()->isVisible(), HandshakeTimeoutMs);
    QTest::qWait(700);
    QCOMPARE(program.instrument().handshakeCount(), 4);
    QCOMPARE(program.messages().texts(), QStringList{Online});
}

void tst_Handshake::clickAfterStepOneStartsASecondChain()
{
    ProgramFixture program;
    program.start();
    auto *connectItem = program.control<QAction>("Pripojit1");
    connectItem->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(program.instrument().handshakeCount(), 1, 2000);
    connectItem->trigger();
    TT_ZUNOV *window = program.window();
    // Between a step's timer and the next one the step's echo is awaited:
    // only with the session idle as well are both chains over.
    QTRY_VERIFY_WITH_TIMEOUT(!window->Timer4->enabled() && !window->Timer5->enabled()
                                 && !window->Timer6->enabled() && !window->Timer7->enabled()
                                 && window->session().isIdle(),
                             HandshakeTimeoutMs);
    QVERIFY(program.instrument().handshakeCount() > 4);
    QVERIFY(window->state.online);
}

void tst_Handshake::connectWhilePollingTestsTheInstrumentAlone()
{
    // Polls that fell between the test bytes would hide the fourth step from
    // the instrument, and a wrong fourth echo would pass unnoticed.
    ProgramFixture program({"[NASTAVENI]\r\nPort=1\r\nTSER=50\r\n"});
    program.start();
    connectAndWait(program);
    QVERIFY(program.window()->state.online);
    program.instrument().setFaults({.wrongEchoStep = 4});
    program.messages().clear();
    connectAndWait(program);
    QCOMPARE(program.messages().texts(), QStringList{Fail4});
    QCOMPARE(ProgramFixture::control<QLabel>(program.connectWindow(), "Label1")->text(),
             QStringLiteral("Klik na připojit"));
}

QTEST_MAIN(tst_Handshake)
#include "tst_handshake.moc"
