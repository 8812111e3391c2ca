#pragma once

#include <QByteArray>

// Writes all of bytes to fd, going on after short writes and signals.
// Returns 0, or the errno of the write that failed; a write that takes
// nothing counts as EIO, so that a full disk can never keep it going.
int writeAll(int fd, const QByteArray &bytes);
