// The "Analýza" menu's windows, opened from the menu and fed by real polls
// of the emulated instrument.
#include "analysis/statistics.h"
#include "dialogs/limitswindow.h"
#include "dialogs/statisticswindow.h"
#include "link/instrumentsession.h"
#include "record/recordingreader.h"
#include "support/programfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

class tst_Analysis : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech)); }
    void statisticsFollowThePolls();
    void holdKeepsTheShownValue();
    void relativeShowsAndRecordsTheDifference();
    void limitsMarkTheValueAndStartARecording();
};

namespace {

QTableWidgetItem *cell(QTableWidget *table, Quantity quantity, const QString &column)
{
    for (int index = 0; index < table->columnCount(); ++index) {
        if (table->horizontalHeaderItem(index)->text() == column)
            return table->item(int(quantity), index);
    }
    return nullptr;
}

} // namespace

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
    QTableWidgetItem *holdU1 = cell(table, Quantity::U1, "HOLD");
    holdU1->setCheckState(Qt::Checked);
    auto *marker = program.control<QLabel>("MarkerU1");
    QCOMPARE(marker->text(), QStringLiteral("HOLD"));
    const QString u2Before = u2->text();
    QVERIFY(program.poll());
    // Only the shown value stands still.
    QCOMPARE(u1->text(), heldText);
    QVERIFY(u2->text() != u2Before);
    QCOMPARE(window->statistics().of(Quantity::U1).count(), int64_t(2));
    QCOMPARE(window->statistics().of(Quantity::U1).minimum(), 10.0);

    holdU1->setCheckState(Qt::Unchecked);
    QVERIFY(!window->findChild<QLabel *>("MarkerU1"));
    QVERIFY(program.poll());
    QVERIFY(u1->text() != heldText);
}

void tst_Analysis::relativeShowsAndRecordsTheDifference()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.online = true;
    window->session().handshakePassed();
    auto *table = ProgramFixture::control<QTableWidget>(program.statisticsWindow(), "Table");
    QTableWidgetItem *relativeR = cell(table, Quantity::Resistance, "REL");

    // No value yet: nothing to take as the reference.
    relativeR->setCheckState(Qt::Checked);
    QCOMPARE(relativeR->checkState(), Qt::Unchecked);
    QVERIFY(!window->findChild<QLabel *>("MarkerR"));

    // 47 in the range of hundreds of ohms, then 5 in that of kilohms: the
    // reference is 4700 ohms across the change of range.
    program.instrument().queueReplies({{'f', 202, 0, 47}, {'f', 203, 0, 5}, {'f', 202, 0, 40}});
    QVERIFY(program.poll());
    relativeR->setCheckState(Qt::Checked);
    QCOMPARE(relativeR->checkState(), Qt::Checked);
    QCOMPARE(cell(table, Quantity::Resistance, "Reference")->text(),
             QStringLiteral("4\u00A0700 Ohm"));
    QCOMPARE(program.control<QLabel>("MarkerR")->text(), QStringLiteral("REL"));
    cell(table, Quantity::Resistance, "HOLD")->setCheckState(Qt::Checked);
    QCOMPARE(program.control<QLabel>("MarkerR")->text(), QStringLiteral("REL HOLD"));
    cell(table, Quantity::Resistance, "HOLD")->setCheckState(Qt::Unchecked);

    QTemporaryDir folder;
    const QString path = folder.filePath("rel.csv");
    QVERIFY(window->startRecording(path));
    QVERIFY(program.poll());
    QCOMPARE(program.control<QLabel>("RXX")->text(), QStringLiteral("+300"));
    QCOMPARE(program.control<QLabel>("RXXX")->text(), QStringLiteral(" ohm"));
    QVERIFY(program.poll());
    QCOMPARE(program.control<QLabel>("RXX")->text(), QStringLiteral("-700"));
    // The statistics keep the measured values.
    QCOMPARE(window->statistics().of(Quantity::Resistance).maximum(), 5000.0);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    QVERIFY(rows.size() >= 5);
    QVERIFY(rows[1].contains(",R,5000,Ohm,005 kohm,"));
    QVERIFY(rows[2].contains(",dR,300,Ohm,+300 ohm,"));
    QVERIFY(rows[4].contains(",dR,-700,Ohm,-700 ohm,"));
    // Read back, the differences are no problem and no measurement.
    const std::optional<RecordingContents> read = readRecordingFile(path);
    QVERIFY(read && read->problems.empty());
    QCOMPARE(read->rows.size(), size_t(2));

    relativeR->setCheckState(Qt::Unchecked);
    QVERIFY(!window->findChild<QLabel *>("MarkerR"));
    QVERIFY(!window->analysis().relative().reference(Quantity::Resistance));
}

void tst_Analysis::limitsMarkTheValueAndStartARecording()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.online = true;
    window->session().handshakePassed();
    const QString path = QDir(program.path()).filePath("meze.csv");

    program.control<QAction>("Meze1")->trigger();
    LimitsWindow *limits = program.limitsWindow();
    QCOMPARE(limits->windowTitle(), QStringLiteral("ZUNOV - Meze"));
    auto *table = ProgramFixture::control<QTableWidget>(limits, "Table");
    table->item(int(Quantity::U1), 1)->setText("12,0");
    ProgramFixture::control<QCheckBox>(limits, "Beep")->setChecked(false);
    ProgramFixture::control<QCheckBox>(limits, "Record")->setChecked(true);
    ProgramFixture::control<QSpinBox>(limits, "PreTrigger")->setValue(60);
    ProgramFixture::control<QSpinBox>(limits, "PostTrigger")->setValue(0);
    ProgramFixture::control<QLineEdit>(limits, "RecordingPath")->setText(path);
    ProgramFixture::control<QPushButton>(limits, "Apply")->click();
    QCOMPARE(program.messages().texts(), QStringList());
    QCOMPARE(window->limitSettings().of(Quantity::U1).upper, std::optional(12.0));
    // Kept in a section of its own, the settings' lines as they were.
    QFile ini(QDir(program.path()).filePath("ZUNOV.INI"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("[MEZE]\r\nU1Dolni=\r\nU1Horni=12\r\n"));

    auto *u1 = program.control<QLabel>("Label1");
    auto *status = program.control<QLabel>("LimitStatus");
    const QColor normal = u1->palette().color(QPalette::Active, QPalette::WindowText);
    program.instrument().queueReplies(
        {{'c', 'a', 100, 45}, {'c', 'a', 125, 45}, {'c', 'a', 110, 45}});
    QVERIFY(program.poll());
    QVERIFY(status->isHidden());
    QVERIFY(!window->isRecording());

    QVERIFY(program.poll());
    QCOMPARE(status->text(), QStringLiteral("U1 nad horní mezí"));
    QVERIFY(!status->isHidden());
    QVERIFY(u1->palette().color(QPalette::Active, QPalette::WindowText) != normal);
    QVERIFY(window->isRecording());

    // Back inside: the recording stops at once, holding the poll before the
    // violation too.
    QVERIFY(program.poll());
    QVERIFY(status->isHidden());
    QCOMPARE(u1->palette().color(QPalette::Active, QPalette::WindowText), normal);
    QVERIFY(!window->isRecording());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    QCOMPARE(rows.size(), 1 + 3 * 2 + 1);
    QVERIFY(rows[1].contains(",U1,10,V,"));
    QVERIFY(rows[3].contains(",U1,12.5,V,"));
    QVERIFY(rows[5].contains(",U1,11,V,"));
}

QTEST_MAIN(tst_Analysis)
#include "tst_analysis.moc"
