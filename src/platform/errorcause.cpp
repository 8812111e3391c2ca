#include "platform/errorcause.h"

#include <QCoreApplication>
#include <array>
#include <cerrno>
#include <cstring>

namespace {

struct Cause
{
    int error;
    const char *text;
};

const std::array<Cause, 15> Causes{{
    {ENOSPC, QT_TRANSLATE_NOOP("ErrorCause", "na disku není místo")},
    {EDQUOT, QT_TRANSLATE_NOOP("ErrorCause", "vyčerpaná kvóta disku")},
    {EFBIG, QT_TRANSLATE_NOOP("ErrorCause", "soubor je příliš velký")},
    {EACCES, QT_TRANSLATE_NOOP("ErrorCause", "chybí oprávnění")},
    {EPERM, QT_TRANSLATE_NOOP("ErrorCause", "operace není povolena")},
    {EROFS, QT_TRANSLATE_NOOP("ErrorCause", "systém souborů je jen pro čtení")},
    {ENOENT, QT_TRANSLATE_NOOP("ErrorCause", "soubor nebo složka neexistuje")},
    {ENOTDIR, QT_TRANSLATE_NOOP("ErrorCause", "část cesty není složka")},
    {EISDIR, QT_TRANSLATE_NOOP("ErrorCause", "je to složka")},
    {EBUSY, QT_TRANSLATE_NOOP("ErrorCause", "zařízení je používáno")},
    {EIO, QT_TRANSLATE_NOOP("ErrorCause", "chyba vstupu/výstupu")},
    {ENODEV, QT_TRANSLATE_NOOP("ErrorCause", "zařízení není připojeno")},
    {ENXIO, QT_TRANSLATE_NOOP("ErrorCause", "zařízení není připojeno")},
    {EPIPE, QT_TRANSLATE_NOOP("ErrorCause", "čtenář výstupu skončil")},
    {EMFILE, QT_TRANSLATE_NOOP("ErrorCause", "program má otevřeno příliš mnoho souborů")},
}};

} // namespace

QString errorCause(int error)
{
    for (const Cause &cause : Causes) {
        if (cause.error == error)
            return QCoreApplication::translate("ErrorCause", cause.text);
    }
    return QString::fromLocal8Bit(std::strerror(error));
}
