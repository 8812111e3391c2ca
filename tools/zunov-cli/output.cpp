#include "output.h"

#include <cerrno>
#include <unistd.h>

bool Output::write(const QByteArray &bytes)
{
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (m_error == 0 && left > 0) {
        const ssize_t written = ::write(m_fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_error = written < 0 ? errno : EIO;
            break;
        }
        next += written;
        left -= written;
    }
    return m_error == 0;
}
