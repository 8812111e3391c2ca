#include "generator/waveformpreview.h"

#include <QtTest>

class tst_WaveformPreview : public QObject
{
    Q_OBJECT

private slots:
    void sampleIndex_data();
    void sampleIndex();
    void points_data();
    void points();
    void flatTableColours_data();
    void flatTableColours();
};

void tst_WaveformPreview::sampleIndex_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("index");
    QTest::newRow("first step wraps to the last sample") << -255 << 254;
    QTest::newRow("one later wraps to the first") << -254 << 0;
    QTest::newRow("just before the period") << -1 << 253;
    QTest::newRow("period start") << 0 << 254;
    QTest::newRow("inside the period") << 100 << 100;
    QTest::newRow("period end wraps") << 255 << 0;
    QTest::newRow("last step") << 509 << 254;
}

void tst_WaveformPreview::sampleIndex()
{
    QFETCH(int, step);
    QFETCH(int, index);
    QCOMPARE(previewSampleIndex(step), index);
}

void tst_WaveformPreview::points_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("sample");
    QTest::addColumn<QPoint>("point");
    // 241 x 105 is the preview in the main window.
    QTest::newRow("zero at the period start") << 0 << 0 << QPoint(24, 94);
    QTest::newRow("full scale at the middle") << 128 << 255 << QPoint(120, 10);
    QTest::newRow("half scale") << 128 << 128 << QPoint(120, 52);
    QTest::newRow("period end") << 255 << 0 << QPoint(216, 94);
    QTest::newRow("left of the picture") << -255 << 0 << QPoint(-168, 94);
}

void tst_WaveformPreview::points()
{
    QFETCH(int, step);
    QFETCH(int, sample);
    QFETCH(QPoint, point);
    QCOMPARE(previewPoint(step, uint8_t(sample), QSize(241, 105)), point);
}

void tst_WaveformPreview::flatTableColours_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    // A 2 pixel pen puts a level line on the row above its point too, which
    // is clear of the dotted grid.
    QTest::newRow("curve inside the period is green") << QPoint(111, 93) << QColor(0, 128, 0);
    QTest::newRow("curve after the period is grey") << QPoint(230, 93) << QColor(128, 128, 128);
    QTest::newRow("curve before the period is grey") << QPoint(10, 93) << QColor(128, 128, 128);
    QTest::newRow("background is black") << QPoint(110, 60) << QColor(Qt::black);
    QTest::newRow("frame is green") << QPoint(0, 60) << QColor(0, 128, 0);
}

void tst_WaveformPreview::flatTableColours()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    const QImage image = drawWaveformPreview(WaveformTable{}, QSize(241, 105));
    QCOMPARE(image.size(), QSize(241, 105));
    QCOMPARE(image.pixelColor(pixel), colour);
}

QTEST_MAIN(tst_WaveformPreview)
#include "tst_waveformpreview.moc"
