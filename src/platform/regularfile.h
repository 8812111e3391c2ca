#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads one of the program's own files whole. Only a regular file of at most
// maxBytes is read; a FIFO, a device, a folder, a file that is too large or
// one that cannot be opened gives nothing, at once. Opening never waits:
// a FIFO with no writer or a terminal would otherwise hold the program for
// ever, and /dev/zero would fill the memory.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);
