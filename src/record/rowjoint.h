#pragma once

#include <QByteArray>

// What goes between the end of a recording that is continued and its new
// rows, given the file's last bytes (its last row at least): nothing after a
// whole row; a line end after a row that was cut off (a kill in the middle of
// a write, a power cut, a full disk); and a closing quote before it when the
// cut fell inside a quoted field, which would otherwise take the following
// rows into that field for every CSV reader.
QByteArray rowJoint(const QByteArray &tail);

// Enough of the file's end to hold its last row: the rows are a few dozen
// bytes.
inline constexpr qint64 RowJointTailBytes = 4096;
