#pragma once

#include "platform/profiletext.h"

#include <QList>
#include <QPair>
#include <QString>

// Settings files are a few lines; a megabyte is far beyond any real one and
// still quick to read.
inline constexpr qint64 ProfileFileLimit = 1 << 20;

// A profile (INI) file on disk. Every call reads the file afresh: the file is
// tiny and read only at start-up, and nothing is cached that another program
// could have changed meanwhile.
//
// Reading never fails: an absent or unreadable file, section or key gives the
// default, and so does anything that is no regular file (a FIFO, a device) or
// is larger than ProfileFileLimit. Writing goes through a temporary file in
// the same folder that then replaces the file, so the file is either fully
// updated or left as it was; a refused write throws AppError::unableToWrite
// with the file's full path.
class ProfileFile
{
public:
    explicit ProfileFile(const QString &path);

    QString path() const;

    // The whole file as it is now; empty when it is absent, unreadable, no
    // regular file or too large.
    // Callers that need several values take them from one reading.
    ProfileText read() const;

    // The stored value; a key that is present with nothing after "=" gives an
    // empty text, not the default.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // The value read as an integer (see parseInteger); anything that is not one
    // gives the default.
    qint32 readInteger(const QString &section, const QString &key, qint32 defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    // Several keys of one section in a single update: all of them or none.
    void writeStrings(const QString &section, const QList<QPair<QString, QString>> &keyValues);

private:
    QString fullPath() const;
    bool isRefusedByPermissions() const;

    QString m_path;
};
