#pragma once

#include <QByteArray>
#include <QString>

// Standard output or standard error, written straight to the descriptor
// without a buffer, so that every row reaches a pipe as soon as it is whole.
// A failed write (the reader gone, a full disk) is kept, not thrown away: the
// caller must not report success after losing output.
class Output
{
public:
    explicit Output(int fd)
        : m_fd(fd)
    {}

    // False when not all of it could be written, now or earlier.
    bool write(const QByteArray &bytes);
    bool write(const QString &text) { return write(text.toUtf8()); }

    // The errno of the first failed write; 0 while all went well.
    int error() const { return m_error; }

private:
    int m_fd;
    int m_error = 0;
};
