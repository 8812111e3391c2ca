#pragma once

#include <QString>
#include <optional>

// A process that holds a lock on a serial device, found through the kernel's
// lock table, so that a busy port can be explained to the user.
struct PortHolder
{
    qint64 pid = 0;
    QString name; // the process's command name, as the kernel keeps it

    // Another copy of this program: the usual reason why our port is busy.
    bool isZunov() const { return name == QLatin1String("zunov"); }
};

// Who holds a lock on the device the path leads to; nothing when nobody does
// (a holder that uses only the terminal's exclusive flag leaves no trace), or
// when the holder is not visible from here.
std::optional<PortHolder> findPortHolder(const QString &devicePath);

// The pid of a lock on the file with this file system device and inode,
// from the text of /proc/locks; nothing when none is listed there.
std::optional<qint64> lockHolderPid(const QByteArray &locksText, quint64 fileSystemDevice,
                                    quint64 inode);
