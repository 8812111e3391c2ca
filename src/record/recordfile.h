#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

// The file a recording goes to. Rows are added at its end and each one is
// handed to the system as soon as it is written, so a crash of the program
// loses nothing already recorded. A file that was empty gets the CSV header
// with its first rows; an existing recording is continued, never cut.
//
// The first failure closes the file for good: a write that does not go
// through whole, or a file no longer at its path (removed or replaced, when
// further rows would go where nobody finds them).
class RecordFile
{
public:
    // Opens the file for appending, creating it if needed; see isOpen().
    explicit RecordFile(const QString &path);
    ~RecordFile();

    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    QString path() const { return m_path; }

    // False when the rows could not be written; nothing is written after that.
    bool append(const QByteArray &rows);

private:
    bool stillAtItsPath() const;
    bool syncIfDue();
    void close();

    QString m_path;
    int m_fd = -1;
    QByteArray m_prefix; // written before the first rows: header or line end
    std::chrono::steady_clock::time_point m_lastSync;
};
