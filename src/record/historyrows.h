#pragma once

#include "analysis/readinghistory.h"

#include <QByteArray>

// The readings of [fromMs, toMs] in the recording's CSV, header included:
// each full-resolution reading as the recording wrote it (its text made
// again from the reply), and each older second as one row with its mean, an
// empty display and empty raw bytes.
QByteArray exportRows(const QuantityHistory &history, Quantity quantity, qint64 fromMs,
                      qint64 toMs);

// The rows of every quantity in [fromMs, toMs], without the header, in the
// order of their times, as the recording would have written them then: what
// a recording started by a limit writes first.
QByteArray historyRows(const ReadingHistory &history, qint64 fromMs, qint64 toMs);
