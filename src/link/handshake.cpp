#include "link/handshake.h"

#include <array>

namespace Handshake {

namespace {

struct StepTexts
{
    const char16_t *step;
    const char16_t *failure; // the trailing space is what users have always seen
};

constexpr std::array<StepTexts, Steps> Texts{{
    {u"Test prvního bajtu", u"První bajt neprošel!! "},
    {u"Test druhého bajtu", u"Druhý bajt neprošel!! "},
    {u"Test třetího bajtu", u"Třetí bajt neprošel!! "},
    {u"Test čtvrtého bajtu", u"Čtvrtý bajt neprošel!! "},
}};

} // namespace

QString stepText(int step)
{
    return QString::fromUtf16(Texts.at(step - 1).step);
}

QString failureMessage(int step)
{
    return QString::fromUtf16(Texts.at(step - 1).failure);
}

} // namespace Handshake
