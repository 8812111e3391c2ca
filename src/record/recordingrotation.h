#pragma once

#include <QDate>
#include <QString>
#include <optional>

// When a recording goes on in a new file: never (one file, continued when it
// exists), when the file would grow past a size, or at local midnight.
enum class RotationKind { None, Size, Daily };

struct RecordingRotation
{
    RotationKind kind = RotationKind::None;
    qint64 maxBytes = 0; // Size only: no file grows past it, but for one reply's rows

    bool operator==(const RecordingRotation &) const = default;
};

// As typed after --log-rotate: "daily", or a size in bytes with an optional
// K, M or G suffix (powers of 1024, either case): "20K", "100M", "5000".
// Nothing for anything else, a size of 0 or one beyond 1024 G included.
std::optional<RecordingRotation> parseRotation(const QString &text);
// The same choice as it would be typed: "none", "daily", "100M", "20K", "5000".
QString rotationText(const RecordingRotation &rotation);

// What the file being written holds so far.
struct CurrentFile
{
    qint64 bytes = 0;     // header included
    bool hasRows = false; // rows of this run, written since it was opened
    QDate date;           // the local date on which it was opened
};

// Whether the next rows (rowBytes long) go into a new file. A file takes at
// least one reply's rows, so a size below a row still moves on. The date
// only counts forward: a clock put back over midnight keeps the file it has,
// and the file of the next day starts when the clock passes its date again.
bool rotationDue(const RecordingRotation &rotation, const CurrentFile &file, qint64 rowBytes,
                 const QDate &today);
