#include "measure/tgraff.h"
#include "measure/tperformancegraph.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

class tst_TGraff : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void window();
    void graphs_data();
    void graphs();
    void labels();
    void hiddenWindowKeepsHistory();
    void closingOnlyHides();
};

namespace {

constexpr int Red = 255;

void feed(TPerformanceGraph *graph, int value)
{
    graph->DataPoint(Red, value);
    graph->Update();
}

} // namespace

void tst_TGraff::init()
{
    // A style sheet that does not parse, or a paint that nests, only warns.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void tst_TGraff::window()
{
    TGraff graff;
    QCOMPARE(graff.windowTitle(), QStringLiteral("ZUNOV - Graf"));
    QVERIFY(graff.isWindow());
    QVERIFY(!graff.isVisible());
    QCOMPARE(graff.pos(), QPoint(203, 134));
    QCOMPARE(graff.size(), QSize(411, 546));
    QCOMPARE(graff.minimumSize(), QSize(411, 546));
    QCOMPARE(graff.maximumSize(), QSize(411, 546));

    const Qt::WindowFlags flags = graff.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    for (Qt::WindowType button :
         {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint}) {
        QVERIFY2(!flags.testFlag(button), qPrintable(QString::number(button, 16)));
    }
}

void tst_TGraff::graphs_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("U1 graph") << 1;
    QTest::newRow("U2 graph") << 2;
}

void tst_TGraff::graphs()
{
    QFETCH(int, which);
    TGraff graff;
    TPerformanceGraph *graph = which == 1 ? graff.PerformanceGraph1() : graff.PerformanceGraph2();
    QCOMPARE(graph->objectName(), QStringLiteral("PerformanceGraph%1").arg(which));
    QCOMPARE(graph->geometry(), QRect(8, which == 1 ? 8 : 272, 361, 257));
    QCOMPARE(graph->StepSize(), 5);
    QCOMPARE(graph->Gradient(), 255);
    // Sized before the step was set: 361 div 5 = 72 visible bands plus two.
    QCOMPARE(graph->historySize(), 74);
    QCOMPARE(graph->picture().size(), QSize(361, 257));
    QCOMPARE(graph->Kind(), TGraphKind::pgLine);
    QCOMPARE(graph->GridSize(), 15);
}

void tst_TGraff::labels()
{
    TGraff graff;
    auto *u1 = graff.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *u2 = graff.findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(u1 && u2);
    QCOMPARE(u1->text(), QStringLiteral("U1"));
    QCOMPARE(u2->text(), QStringLiteral("U2"));
    QCOMPARE(u1->pos(), QPoint(376, 8));
    QCOMPARE(u2->pos(), QPoint(376, 272));
    for (QLabel *label : {u1, u2}) {
        label->ensurePolished();
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pixelSize(), 19);
        QVERIFY(label->width() >= label->sizeHint().width());
    }
    QCOMPARE(u1->palette().color(u1->foregroundRole()), QColor(Qt::red));
    QCOMPARE(u2->palette().color(u2->foregroundRole()), QColor(Qt::blue));
}

// The polling feeds the graphs whether the window is shown or not; showing
// it later reveals the history up to the last point, and hiding clears nothing.
void tst_TGraff::hiddenWindowKeepsHistory()
{
    TGraff graff;
    TPerformanceGraph *u1 = graff.PerformanceGraph1();
    TPerformanceGraph *u2 = graff.PerformanceGraph2();
    const int u1Start = u1->currentY();
    const int u2Start = u2->currentY();
    auto bandsFed = [](TPerformanceGraph *graph, int start) {
        return (graph->currentY() - start + graph->historySize()) % graph->historySize();
    };
    for (int value : {10, 200, 0, 128, 255})
        feed(u1, value);
    feed(u2, 60);
    const QImage u1Before = u1->picture().copy();
    const QImage u2Before = u2->picture().copy();
    QCOMPARE(bandsFed(u1, u1Start), 5);
    QCOMPARE(bandsFed(u2, u2Start), 1);

    graff.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graff));
    QCOMPARE(u1->picture(), u1Before);
    QCOMPARE(u2->picture(), u2Before);
    QCOMPARE(u1->grab().toImage().convertToFormat(u1Before.format()), u1Before);

    graff.hide();
    feed(u1, 90);
    const QImage u1Later = u1->picture().copy();
    QVERIFY(u1Later != u1Before);
    graff.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graff));
    QCOMPARE(u1->picture(), u1Later);
    QCOMPARE(u2->picture(), u2Before);
    QCOMPARE(bandsFed(u1, u1Start), 6);
    QCOMPARE(bandsFed(u2, u2Start), 1);
}

void tst_TGraff::closingOnlyHides()
{
    auto *graff = new TGraff;
    QPointer<TGraff> alive(graff);
    graff->setAttribute(Qt::WA_DeleteOnClose);
    graff->show();
    QVERIFY(QTest::qWaitForWindowExposed(graff));
    feed(graff->PerformanceGraph1(), 100);
    const QImage before = graff->PerformanceGraph1()->picture().copy();

    graff->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    QVERIFY(!graff->isVisible());
    QCOMPARE(graff->PerformanceGraph1()->picture(), before);

    graff->show();
    QVERIFY(graff->isVisible());
    delete graff;
}

QTEST_MAIN(tst_TGraff)
#include "tst_tgraff.moc"
