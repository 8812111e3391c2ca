#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

// The file a recording goes to. Rows are added at its end and each one is
// handed to the system as soon as it is written, so a crash of the program
// loses nothing already recorded. A file that was empty gets the CSV header
// with its first rows; an existing recording is continued, never cut.
//
// A recording that goes on in new files opens each of them as a new file
// only: one that appeared in the meantime is left alone.
//
// The first failure closes the file for good, without the part of a row a
// full disk took: a write that does not go
// through whole, or a file no longer at its path (removed or replaced, when
// further rows would go where nobody finds them).
class RecordFile
{
public:
    enum class Opening { ContinueOrCreate, CreateOnly };

    // Opens the file for appending, creating it if needed (or only creating
    // it); see isOpen().
    explicit RecordFile(const QString &path, Opening opening = Opening::ContinueOrCreate);
    ~RecordFile();

    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    QString path() const { return m_path; }
    // A file on a disk, not a device or a pipe (--log /dev/stdout).
    bool isRegularFile() const { return m_regular; }
    // The bytes the file holds: what was there plus what was written since.
    qint64 size() const { return m_size; }

    // False when the rows could not be written; nothing is written after that.
    bool append(const QByteArray &rows);

private:
    bool stillAtItsPath() const;
    bool syncIfDue();
    void cutPartialWrite(qint64 attempted);
    void close();

    QString m_path;
    int m_fd = -1;
    QByteArray m_prefix; // written before the first rows: header or line end
    qint64 m_size = 0;
    bool m_regular = false;
    std::chrono::steady_clock::time_point m_lastSync;
};
