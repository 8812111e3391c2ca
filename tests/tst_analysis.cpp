// The "Analýza" menu's windows, opened from the menu and fed by real polls
// of the emulated instrument.
#include "analysis/statistics.h"
#include "dialogs/statisticswindow.h"
#include "link/instrumentsession.h"
#include "support/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class tst_Analysis : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech)); }
    void statisticsFollowThePolls();
    void holdKeepsTheShownValue();
};

void tst_Analysis::statisticsFollowThePolls()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.online = true;
    window->session().handshakePassed();
    program.instrument().queueReplies(
        {{'c', 'a', 123, 45}, {'c', 'a', 100, 41}, {'c', 'a', 118, 40}});
    for (int poll = 0; poll < 3; ++poll)
        QVERIFY(program.poll());

    program.control<QAction>("Statistika1")->trigger();
    StatisticsWindow *statistics = program.statisticsWindow();
    QVERIFY(statistics->isVisible());
    QCOMPARE(statistics->windowTitle(), QStringLiteral("ZUNOV - Statistika"));
    auto *table = ProgramFixture::control<QTableWidget>(statistics, "Table");
    const auto row = [table](int index) {
        QStringList texts;
        for (int column = 0; column < 5; ++column)
            texts << table->item(index, column)->text();
        return texts;
    };
    QCOMPARE(row(0), (QStringList{"3", "10 V", "12,3 V", "11,3667 V", "1,20968 V"}));
    QCOMPARE(row(1), (QStringList{"3", "4 V", "4,5 V", "4,2 V", "0,264575 V"}));
    QCOMPARE(row(2), (QStringList{"0", "", "", "", ""}));

    ProgramFixture::control<QPushButton>(statistics, "Reset")->click();
    QCOMPARE(row(0), (QStringList{"0", "", "", "", ""}));
    program.instrument().queueReplies({{'c', 'a', 50, 10}});
    QVERIFY(program.poll());
    statistics->refresh();
    QCOMPARE(row(0), (QStringList{"1", "5 V", "5 V", "5 V", "0 V"}));
}

void tst_Analysis::holdKeepsTheShownValue()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.online = true;
    window->session().handshakePassed();
    auto *u1 = program.control<QLabel>("Label1");
    auto *u2 = program.control<QLabel>("Label");
    program.instrument().queueReplies(
        {{'c', 'a', 123, 45}, {'c', 'a', 100, 41}, {'c', 'a', 118, 40}});
    QVERIFY(program.poll());
    const QString heldText = u1->text();

    auto *table = ProgramFixture::control<QTableWidget>(program.statisticsWindow(), "Table");
    QTableWidgetItem *holdU1 = table->item(0, table->columnCount() - 1);
    holdU1->setCheckState(Qt::Checked);
    auto *marker = program.control<QLabel>("HoldU1");
    QCOMPARE(marker->text(), QStringLiteral("HOLD"));
    const QString u2Before = u2->text();
    QVERIFY(program.poll());
    // Only the shown value stands still.
    QCOMPARE(u1->text(), heldText);
    QVERIFY(u2->text() != u2Before);
    QCOMPARE(window->statistics().of(Quantity::U1).count(), int64_t(2));
    QCOMPARE(window->statistics().of(Quantity::U1).minimum(), 10.0);

    holdU1->setCheckState(Qt::Unchecked);
    QVERIFY(!window->findChild<QLabel *>("HoldU1"));
    QVERIFY(program.poll());
    QVERIFY(u1->text() != heldText);
}

QTEST_MAIN(tst_Analysis)
#include "tst_analysis.moc"
