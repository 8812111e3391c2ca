#pragma once

#include <QByteArray>
#include <QString>

enum class WriteOutcome {
    Written,
    // Nothing changed: the file is byte for byte as it was.
    Failed,
    // Nothing changed: the file belongs to another user or group, and a new
    // file in its place would have changed that.
    OwnerNotKept,
};

// Makes bytes the whole contents of the file at path, all or nothing. They go
// into a new file in the same folder, checked at every step (a short write, a
// full disk, a file size limit, an I/O error) and flushed to the disk, which
// then takes the old file's place; the folder is flushed last. A file being
// replaced keeps its owner, group and permissions; a new one gets the
// permissions any new file gets. A symbolic link is followed and its target
// replaced. Anything in place that is not a regular file is left alone and
// the write fails.
//
// One exception to "nothing changed": when only the final flush of the folder
// fails, the new contents are already in place, but the write is reported as
// failed because they may not survive a crash.
WriteOutcome writeFileAtomically(const QString &path, const QByteArray &bytes);
