#include "link/linklife.h"

#include <QtTest>

// The link's life as sequences of events, one letter each: h handshake
// passed, w poll with a whole reply, s poll without one, l port lost,
// r port reopened.
class tst_LinkLife : public QObject
{
    Q_OBJECT

private slots:
    void events_data();
    void events();
    void reopenAtMostOnceASecond_data();
    void reopenAtMostOnceASecond();
};

void tst_LinkLife::events_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("configuredMs");
    QTest::addColumn<bool>("answering");
    QTest::addColumn<int>("periodMs");

    QTest::newRow("nothing yet") << "" << 1000 << false << 1000;
    QTest::newRow("handshake") << "h" << 1000 << true << 1000;
    QTest::newRow("two silent polls are not yet silence") << "hss" << 1000 << true << 1000;
    QTest::newRow("three silent polls in a row") << "hsss" << 1000 << false << 5000;
    QTest::newRow("a whole reply breaks the row") << "hsswss" << 1000 << true << 1000;
    QTest::newRow("first whole reply ends the back-off") << "hssssw" << 1000 << true << 1000;
    QTest::newRow("longer silence keeps the back-off") << "hssssssss" << 1000 << false << 5000;
    QTest::newRow("a slower period is kept") << "hsss" << 8000 << false << 8000;
    QTest::newRow("no polling stays no polling") << "hsss" << 0 << false << 0;
    QTest::newRow("negative period stays as it is") << "hsss" << -5 << false << -5;
    QTest::newRow("lost port") << "hwl" << 1000 << false << 1000;
    QTest::newRow("reopened port: still offline") << "hwlr" << 1000 << false << 1000;
    QTest::newRow("reopened port answers") << "hwlrw" << 1000 << true << 1000;
    QTest::newRow("reopened after back-off polls at the period")
        << "hsssslr" << 1000 << false << 1000;
    QTest::newRow("whole reply without a handshake") << "w" << 1000 << true << 1000;
}

void tst_LinkLife::events()
{
    QFETCH(QString, events);
    QFETCH(int, configuredMs);
    LinkLife life;
    for (const QChar event : events) {
        switch (event.unicode()) {
        case 'h':
            life.handshakePassed();
            break;
        case 'w':
        case 's':
            life.pollEnded(event == u'w');
            break;
        case 'l':
            life.portLost();
            break;
        case 'r':
            life.portReopened();
            break;
        }
    }
    QTEST(life.instrumentAnswering(), "answering");
    QTEST(life.pollPeriodMs(configuredMs), "periodMs");
}

void tst_LinkLife::reopenAtMostOnceASecond_data()
{
    QTest::addColumn<QList<int>>("attemptsMs"); // when a reopen was last tried
    QTest::addColumn<int>("nowMs");
    QTest::addColumn<bool>("due");

    QTest::newRow("never tried") << QList<int>{} << 0 << true;
    QTest::newRow("just tried") << QList<int>{0} << 100 << false;
    QTest::newRow("almost a second") << QList<int>{0} << 999 << false;
    QTest::newRow("a second later") << QList<int>{0} << 1000 << true;
    QTest::newRow("counted from the last attempt") << QList<int>{0, 1500} << 2000 << false;
}

void tst_LinkLife::reopenAtMostOnceASecond()
{
    QFETCH(QList<int>, attemptsMs);
    QFETCH(int, nowMs);
    const LinkLife::Clock::time_point start{};
    LinkLife life;
    for (int attempt : attemptsMs)
        life.reopenTried(start + std::chrono::milliseconds(attempt));
    QTEST(life.reopenDue(start + std::chrono::milliseconds(nowMs)), "due");
}

QTEST_GUILESS_MAIN(tst_LinkLife)
#include "tst_linklife.moc"
