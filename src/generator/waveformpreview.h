#pragma once

#include "generator/waveformtable.h"

#include <QImage>
#include <QSize>

// Draws the generator preview: a black box with a dotted green 10 x 10 grid,
// one period of the waveform in green across the middle 80 % of the width and
// the neighbouring periods in grey on both sides.
QImage drawWaveformPreview(const WaveformTable &table, QSize size);

// The curve runs over steps -255 .. 509, three periods, the middle one green.
// Step i shows this sample of the table...
int previewSampleIndex(int step);
// ...at this point of a preview of the given size.
QPoint previewPoint(int step, uint8_t sample, QSize size);
