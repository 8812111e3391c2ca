#include "app/tt_zunov.h"
#include "measure/tgraff.h"
#include "measure/tperformancegraph.h"
#include "record/graphpictures.h"
#include "support/programfixture.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QtTest>

namespace {

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

void feed(TPerformanceGraph *graph, std::initializer_list<int> values)
{
    for (int value : values) {
        graph->DataPoint(255, value);
        graph->Update();
    }
}

// The label's text is drawn in its colour somewhere in its area.
bool showsLabel(const QImage &picture, QWidget *window, const char *name, QRgb colour)
{
    const QImage area = picture.copy(ProgramFixture::control<QLabel>(window, name)->geometry());
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (area.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

// The history graphs saved and copied as pictures, exactly as drawn.
class tst_GraphPictures : public QObject
{
    Q_OBJECT

private slots:
    void currentGraphSaved();
    void voltageGraphsSavedWithTheirLabels();
    void graphMenusSaveAndCopy_data();
    void graphMenusSaveAndCopy();
    void failedSaveIsReported();
};

void tst_GraphPictures::currentGraphSaved()
{
    ProgramFixture program;
    program.start();
    feed(program.control<TPerformanceGraph>("PerformanceGraph1"), {50, 200, 120});
    const QString path = program.path() + QStringLiteral("/proud.png");
    program.fileDialog().setAnswer(path);

    program.control<QAction>("UlozitGrafProudu1")->trigger();

    QCOMPARE(comparable(QImage(path)),
             comparable(program.control<TPerformanceGraph>("PerformanceGraph1")->picture()));
}

void tst_GraphPictures::voltageGraphsSavedWithTheirLabels()
{
    ProgramFixture program;
    program.start();
    feed(program.graphWindow()->PerformanceGraph1(), {100, 30});
    feed(program.graphWindow()->PerformanceGraph2(), {10, 250, 90});
    const QString path = program.path() + QStringLiteral("/u1u2.png");
    program.fileDialog().setAnswer(path);

    // The window has never been shown; the picture is there all the same.
    program.control<QAction>("UlozitGrafy1")->trigger();

    const QImage saved = comparable(QImage(path));
    QCOMPARE(saved.size(), program.graphWindow()->size());
    for (TPerformanceGraph *graph :
         {program.graphWindow()->PerformanceGraph1(), program.graphWindow()->PerformanceGraph2()})
        QCOMPARE(saved.copy(graph->geometry()), comparable(graph->picture()));
    QVERIFY(showsLabel(saved, program.graphWindow(), "Label1", qRgb(255, 0, 0)));
    QVERIFY(showsLabel(saved, program.graphWindow(), "Label2", qRgb(0, 0, 255)));
}

void tst_GraphPictures::graphMenusSaveAndCopy_data()
{
    QTest::addColumn<bool>("inGraphWindow");
    QTest::addColumn<int>("graphNumber");

    QTest::newRow("current graph") << false << 1;
    QTest::newRow("U1 graph") << true << 1;
    QTest::newRow("U2 graph") << true << 2;
}

void tst_GraphPictures::graphMenusSaveAndCopy()
{
    QFETCH(bool, inGraphWindow);
    QFETCH(int, graphNumber);

    ProgramFixture program;
    program.start();
    TPerformanceGraph *graph = !inGraphWindow
                                   ? program.control<TPerformanceGraph>("PerformanceGraph1")
                               : graphNumber == 1 ? program.graphWindow()->PerformanceGraph1()
                                                  : program.graphWindow()->PerformanceGraph2();
    feed(graph, {80, 160});
    auto *save = program.control<QAction>(inGraphWindow ? "UlozitGrafy1" : "UlozitGrafProudu1");
    const QImage expected =
        comparable(inGraphWindow ? voltageGraphsPicture(*program.graphWindow()) : graph->picture());

    QCOMPARE(graph->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction *> actions = graph->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0], save);
    QCOMPARE(actions[1]->text(), QStringLiteral("Kopírovat"));
    actions[1]->trigger();
    QCOMPARE(comparable(QGuiApplication::clipboard()->image()), expected);
}

void tst_GraphPictures::failedSaveIsReported()
{
    ProgramFixture program;
    program.start();
    auto *save = program.control<QAction>("UlozitGrafProudu1");

    save->trigger(); // the dialog is cancelled
    QVERIFY(program.messages().texts().isEmpty());

    const QString path = program.path() + QStringLiteral("/missing/proud.png");
    program.fileDialog().setAnswer(path);
    save->trigger();
    QCOMPARE(program.messages().texts().size(), 1);
    QVERIFY2(program.messages().texts().first().contains(path),
             qPrintable(program.messages().texts().first()));
}

QTEST_MAIN(tst_GraphPictures)
#include "tst_graphpictures.moc"
