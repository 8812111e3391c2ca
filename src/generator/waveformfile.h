#pragma once

#include "generator/waveformtable.h"

#include <QByteArray>
#include <QString>

// Reads a waveform file into the table. The file is whitespace-separated
// C-style integers (decimal, 0x hexadecimal, leading-0 octal, optional sign)
// in blocks of 256: a header number that is skipped, then the 255 samples,
// each stored as its low 8 bits. A later block replaces an earlier one. When
// the numbers run out inside a block, the rest of the block takes the last
// number read. A token that is not such an integer, or one too large for any
// 64-bit integer, ends the reading as if the file ended there.
// A file without a single number leaves the table as it was.
void readWaveform(const QByteArray &text, WaveformTable &table);

// Far more than any real waveform file; a wrong file cannot exhaust the memory.
inline constexpr qint64 WaveformFileLimit = 16 << 20;

// The same from a file in the working directory; a file that cannot be
// opened, is no regular file or is larger than WaveformFileLimit leaves the
// table as it was. Returns false in that case.
bool readWaveformFile(const QString &name, WaveformTable &table);
