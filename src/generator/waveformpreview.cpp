#include "generator/waveformpreview.h"

#include <QPainter>

namespace {

const QColor PreviewGreen(0, 128, 0);
const QColor PreviewGrey(128, 128, 128);

constexpr int FirstStep = -255;
constexpr int LastStep = 509;

} // namespace

// Steps before the period wrap so that the grey continuation on the left
// lines up with the period's end.
int previewSampleIndex(int step)
{
    if (step > 0)
        return step % WaveformSamples;
    return step % WaveformSamples + (WaveformSamples - 1);
}

QPoint previewPoint(int step, uint8_t sample, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    const int x = int(w * 0.8 * (step * (1.0 / 255)) + w * 0.1);
    const int y = int(h - sample * 0.0078125 * h * 0.4 - h * 0.1);
    return {x, y};
}

QImage drawWaveformPreview(const WaveformTable &table, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const double w = size.width();
    const double h = size.height();

    QPainter painter(&image);
    painter.setPen(QPen(PreviewGreen, 1, Qt::SolidLine));
    painter.fillRect(image.rect(), Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);

    painter.setPen(QPen(PreviewGreen, 1, Qt::DotLine));
    for (int i = 1; i <= 9; ++i) {
        const int x = int(i * w * 0.1);
        painter.drawLine(x, 0, x, size.height());
    }
    for (int i = 1; i <= 9; ++i) {
        const int y = int(i * h * 0.1);
        painter.drawLine(0, y, size.width(), y);
    }

    QPoint previous = previewPoint(FirstStep, table[previewSampleIndex(FirstStep)], size);
    for (int i = FirstStep + 1; i <= LastStep; ++i) {
        const QPoint point = previewPoint(i, table[previewSampleIndex(i)], size);
        // Each segment takes the colour of its end point.
        const bool inPeriod = i >= 2 && i <= 255;
        painter.setPen(QPen(inPeriod ? PreviewGreen : PreviewGrey, 2, Qt::SolidLine));
        painter.drawLine(previous, point);
        previous = point;
    }
    return image;
}
