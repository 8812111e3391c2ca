#pragma once

#include "record/recordingrotation.h"

#include <QDate>
#include <QString>
#include <functional>

// The files of a recording that goes on in new files carry a sequence number
// or the date before the extension of the name the user chose:
//   size   zaznam.csv -> zaznam-0001.csv, zaznam-0002.csv, …
//   daily  zaznam.csv -> zaznam-2026-12-08.csv, and zaznam-2026-12-08-0002.csv
//          for a second file of the same day (a restarted recording)
// A name without an extension gets the same ending. Sequences past 9999 just
// grow a digit.
QString rotatedFileName(const QString &chosen, RotationKind kind, const QDate &date, int sequence);

// The sidecar that describes a recording's file: its name with ".json" added.
QString sidecarPathOf(const QString &csvPath);

struct FreeFileName
{
    QString path; // empty: every name tried was taken
    int sequence = 0;
};

// The first of the names above, from fromSequence on, for which neither the
// file nor its sidecar exists, so that no earlier recording is ever
// overwritten or continued by mistake. Gives up after a million taken names.
FreeFileName freeRotatedFileName(const QString &chosen, RotationKind kind, const QDate &date,
                                 int fromSequence,
                                 const std::function<bool(const QString &)> &exists);
