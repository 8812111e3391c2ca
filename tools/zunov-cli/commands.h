#pragma once

#include "clicommandline.h"

#include <QByteArray>
#include <QString>

// How zunov-cli ends, for the scripts that call it.
namespace ExitStatus {
constexpr int Success = 0;
// The instrument did not answer as it should, or the output could not be written.
constexpr int Failed = 1;
constexpr int Usage = 2;
constexpr int CannotOpen = 3;
// measure --limit: a reading was outside its limits.
constexpr int OutsideLimits = 4;
} // namespace ExitStatus

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

// Runs a checked request's command and returns the exit status. The
// commands that talk to the instrument first open its port; one that cannot
// be opened ends with 3 and the message the program's connect window gives,
// but with the client's options as the way to choose another device.
int runCommand(const CliRequest &request, Output &out, Output &err);
