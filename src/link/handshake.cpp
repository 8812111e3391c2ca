#include "link/handshake.h"

#include <QCoreApplication>
#include <array>

namespace Handshake {

namespace {

struct StepTexts
{
    const char *step;
    const char *failure; // the trailing space is what users have always seen
};

// Translated where they are shown: the translation is installed after start-up.
constexpr std::array<StepTexts, Steps> Texts{{
    {QT_TRANSLATE_NOOP("Handshake", "Test prvního bajtu"),
     QT_TRANSLATE_NOOP("Handshake", "První bajt neprošel!! ")},
    {QT_TRANSLATE_NOOP("Handshake", "Test druhého bajtu"),
     QT_TRANSLATE_NOOP("Handshake", "Druhý bajt neprošel!! ")},
    {QT_TRANSLATE_NOOP("Handshake", "Test třetího bajtu"),
     QT_TRANSLATE_NOOP("Handshake", "Třetí bajt neprošel!! ")},
    {QT_TRANSLATE_NOOP("Handshake", "Test čtvrtého bajtu"),
     QT_TRANSLATE_NOOP("Handshake", "Čtvrtý bajt neprošel!! ")},
}};

} // namespace

QString stepText(int step)
{
    return QCoreApplication::translate("Handshake", Texts.at(step - 1).step);
}

QString failureMessage(int step)
{
    return QCoreApplication::translate("Handshake", Texts.at(step - 1).failure);
}

QString onlineMessage()
{
    return QCoreApplication::translate("Handshake", "ZUNOV je ONLINE");
}

QString retryText()
{
    return QCoreApplication::translate("Handshake", "Klik na připojit");
}

} // namespace Handshake
