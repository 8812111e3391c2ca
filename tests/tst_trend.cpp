// The trend window, driven offscreen: from the menu against the emulated
// instrument, and on a history of known readings for the figures it shows
// and the files it writes and reads.
#include "analysis/readinghistory.h"
#include "dialogs/trendview.h"
#include "dialogs/trendwindow.h"
#include "link/instrumentsession.h"
#include "record/historyrows.h"
#include "record/recordingreader.h"
#include "support/programfixture.h"
#include "support/recordingmessagesink.h"
#include "support/scriptedfiledialog.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr qint64 Start = 1'765'000'000'000; // a fixed moment, ms since the epoch

// U1 rising by a tenth of a volt every 100 ms for a minute.
ReadingHistory rampHistory()
{
    ReadingHistory history;
    for (int step = 0; step <= 600; ++step) {
        const uint8_t tenths = uint8_t(step % 256);
        history.add({Quantity::U1, tenths / 10.0, QString()}, Frame{'c', 0, tenths, 0},
                    Start + step * 100);
    }
    return history;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_Trend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech)); }
    void followsTheSessionFromTheMenu();
    void mouseZoomsPansAndPicksARange();
    void cursorsReadTheirValues();
    void exportedDataReadsBackExactly();
    void recordingWithBadRowsIsShownAndReported();
    void historyRowsKeepRepliesInTheirOrder();
};

void tst_Trend::followsTheSessionFromTheMenu()
{
    ProgramFixture program;
    program.start();
    TT_ZUNOV *window = program.window();
    window->state.online = true;
    window->session().handshakePassed();
    program.instrument().queueReplies({{'c', 'a', 123, 45}, {'c', 'a', 100, 41}});
    QVERIFY(program.poll());
    program.control<QAction>("Prubeh1")->trigger();
    TrendWindow *trend = program.trendWindow();
    QVERIFY(trend->isVisible());
    QCOMPARE(trend->windowTitle(), QStringLiteral("ZUNOV - Průběh"));
    const QuantityHistory &u1 = window->analysis().history().of(Quantity::U1);
    QCOMPARE(u1.pointCount(), 1);

    QVERIFY(program.poll());
    QCOMPARE(u1.pointCount(), 2);
    // The whole-session view grows with the session by itself.
    QTRY_VERIFY(trend->timeRange()[1] >= u1.lastTimeMs());
    QCOMPARE(trend->timeRange()[0], u1.firstTimeMs());
}

void tst_Trend::mouseZoomsPansAndPicksARange()
{
    const ReadingHistory history = rampHistory();
    TrendWindow trend(history);
    trend.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trend));
    QCOMPARE(trend.timeRange(), (std::array<qint64, 2>{Start, Start + 60'000}));
    auto *view = ProgramFixture::control<TrendView>(&trend, "Plot");
    QWidget *viewport = view->viewport();
    const QPoint centre = viewport->rect().center();
    const qint64 centreMs = view->timeAt(centre.x());

    // One notch in: the span shrinks around the time under the pointer.
    QWheelEvent wheel(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    const std::array<qint64, 2> zoomed = trend.timeRange();
    QCOMPARE(zoomed[1] - zoomed[0], 48'000);
    QVERIFY(std::abs(view->timeAt(centre.x()) - centreMs) < 200);

    // A drag to the right shows what came earlier.
    QTest::mousePress(viewport, Qt::LeftButton, {}, centre);
    QTest::mouseMove(viewport, centre + QPoint(100, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre + QPoint(100, 0));
    QVERIFY(trend.timeRange()[0] < zoomed[0]);
    QCOMPARE(trend.timeRange()[1] - trend.timeRange()[0], 48'000);

    // Shift and a drag: that stretch fills the view.
    const QPoint left = centre - QPoint(50, 0);
    const QPoint right = centre + QPoint(50, 0);
    const qint64 fromMs = view->timeAt(left.x());
    const qint64 toMs = view->timeAt(right.x());
    QTest::mousePress(viewport, Qt::LeftButton, Qt::ShiftModifier, left);
    QTest::mouseMove(viewport, right);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier, right);
    QCOMPARE(trend.timeRange(), (std::array<qint64, 2>{fromMs, toMs}));

    ProgramFixture::control<QPushButton>(&trend, "WholeSession")->click();
    QCOMPARE(trend.timeRange(), (std::array<qint64, 2>{Start, Start + 60'000}));
}

void tst_Trend::cursorsReadTheirValues()
{
    const ReadingHistory history = rampHistory();
    TrendWindow trend(history);
    trend.setCursors(std::array<qint64, 2>{Start + 1'000, Start + 3'500});
    // 1.0 V at A, 3.5 V at B: 2.5 V in 2.5 s.
    QCOMPARE(trend.cursorReadout(),
             QStringLiteral("A: %1 1 V   B: %2 3,5 V   Δt = 2,500 s   Δ = 2,5 V   strmost = 1 V/s")
                 .arg(QDateTime::fromMSecsSinceEpoch(Start + 1'000).toString("HH:mm:ss.zzz"),
                      QDateTime::fromMSecsSinceEpoch(Start + 3'500).toString("HH:mm:ss.zzz")));
    trend.setCursors(std::nullopt);
    QCOMPARE(trend.cursorReadout(), QString());
}

void tst_Trend::exportedDataReadsBackExactly()
{
    const ReadingHistory history = rampHistory();
    TrendWindow trend(history);
    trend.resize(800, 400);
    trend.show();
    QVERIFY(QTest::qWaitForWindowExposed(&trend));
    trend.setTimeRange(Start + 10'000, Start + 20'000);
    QTemporaryDir folder;
    ScriptedFileDialog dialog;
    RecordingMessageSink messages;

    dialog.setAnswer(folder.filePath("view.csv"));
    ProgramFixture::control<QAction>(&trend, "SaveCsv")->trigger();
    const std::optional<RecordingContents> read = readRecordingFile(folder.filePath("view.csv"));
    QVERIFY(read);
    QVERIFY(read->problems.empty());
    QCOMPARE(read->rows.size(), size_t(101));
    QCOMPARE(read->rows.front().timeMs, Start + 10'000);
    QCOMPARE(read->rows.front().reading.value, 100 / 10.0);
    QCOMPARE(read->rows.back().raw, (Frame{'c', 0, 200, 0}));

    dialog.setAnswer(folder.filePath("view.png"));
    ProgramFixture::control<QAction>(&trend, "SavePng")->trigger();
    QImage picture(folder.filePath("view.png"));
    QCOMPARE(picture.size(),
             ProgramFixture::control<TrendView>(&trend, "Plot")->size() * trend.devicePixelRatio());

    dialog.setAnswer(folder.filePath("view.svg"));
    ProgramFixture::control<QAction>(&trend, "SaveSvg")->trigger();
    QVERIFY(fileBytes(folder.filePath("view.svg")).contains("<svg"));
    QCOMPARE(messages.texts(), QStringList());
}

void tst_Trend::recordingWithBadRowsIsShownAndReported()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("zaznam.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("time,quantity,value,unit,display,raw\r\n"
               "2026-12-09T10:00:00.000+01:00,U1,1.5,V,01.5 V,99 0 15 0\r\n"
               "2026-12-09T10:00:01.000+01:00,U1,zwei,V,02.0 V,99 0 20 0\r\n"
               "2026-12-09T10:00:02.000+01:00,U1,2.5,V,02.5 V,99 0 25 0\r\n");
    file.close();
    const ReadingHistory session;
    TrendWindow trend(session);
    RecordingMessageSink messages;
    QVERIFY(trend.openRecording(path));
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts().front().contains(QStringLiteral("řádek 3")));
    const qint64 first = QDateTime::fromString("2026-12-09T10:00:00.000+01:00", Qt::ISODateWithMs)
                             .toMSecsSinceEpoch();
    QCOMPARE(trend.timeRange(), (std::array<qint64, 2>{first, first + 2'000}));
    trend.setCursors(std::array<qint64, 2>{first, first + 2'000});
    QVERIFY(trend.cursorReadout().contains(QStringLiteral("Δ = 1 V")));

    trend.showSession();
    QCOMPARE(trend.cursorReadout().contains(QStringLiteral("—")), true);
}

void tst_Trend::historyRowsKeepRepliesInTheirOrder()
{
    // Two replies within one millisecond, then one later: each reply's U1
    // and U2 stay together, as the recording wrote them.
    ReadingHistory history;
    const QList<std::pair<qint64, uint8_t>> replies{{Start, 10}, {Start, 20}, {Start + 5, 30}};
    for (const auto &[timeMs, volts] : replies) {
        const Frame reply{'b', '`', volts, uint8_t(volts + 1)};
        history.add({Quantity::U1, double(volts), QString()}, reply, timeMs);
        history.add({Quantity::U2, double(volts + 1), QString()}, reply, timeMs);
    }
    QStringList order;
    for (const QByteArray &row : historyRows(history, Start, Start + 5).split('\n')) {
        const QList<QByteArray> fields = row.split(',');
        if (fields.size() > 2)
            order << QString::fromUtf8(fields[1] + "=" + fields[2]);
    }
    QCOMPARE(order, (QStringList{"U1=10", "U2=11", "U1=20", "U2=21", "U1=30", "U2=31"}));
}

QTEST_MAIN(tst_Trend)
#include "tst_trend.moc"
