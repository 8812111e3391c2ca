#include "output.h"

#include "platform/writeall.h"

bool Output::write(const QByteArray &bytes)
{
    if (m_error == 0)
        m_error = writeAll(m_fd, bytes);
    return m_error == 0;
}
