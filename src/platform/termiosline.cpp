#include "platform/termiosline.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct SpeedEntry
{
    uint32_t bitsPerSecond;
    speed_t code;
};

constexpr std::array<SpeedEntry, 30> Speeds{{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

std::optional<speed_t> speedCode(uint32_t bitsPerSecond)
{
    const auto it = std::find_if(Speeds.begin(), Speeds.end(), [&](const SpeedEntry &entry) {
        return entry.bitsPerSecond == bitsPerSecond;
    });
    return it == Speeds.end() ? std::nullopt : std::optional(it->code);
}

uint32_t bitsPerSecond(speed_t code)
{
    const auto it = std::find_if(Speeds.begin(), Speeds.end(),
                                 [&](const SpeedEntry &entry) { return entry.code == code; });
    return it == Speeds.end() ? 0 : it->bitsPerSecond;
}

constexpr std::array<tcflag_t, 4> CharacterSizes{CS5, CS6, CS7, CS8};
constexpr uint8_t SmallestCharacter = 5;

} // namespace

SerialLineParameters lineParametersOf(const termios &settings)
{
    SerialLineParameters parameters;
    parameters.baudRate = bitsPerSecond(::cfgetospeed(&settings));
    const auto size =
        std::find(CharacterSizes.begin(), CharacterSizes.end(), settings.c_cflag & CSIZE);
    parameters.dataBits = static_cast<uint8_t>(SmallestCharacter + (size - CharacterSizes.begin()));
    const bool odd = settings.c_cflag & PARODD;
    if (!(settings.c_cflag & PARENB))
        parameters.parity = SerialParity::None;
    else if (settings.c_cflag & CMSPAR) // "stick" parity: PARODD picks mark
        parameters.parity = odd ? SerialParity::Mark : SerialParity::Space;
    else
        parameters.parity = odd ? SerialParity::Odd : SerialParity::Even;
    parameters.stopBits = (settings.c_cflag & CSTOPB) ? SerialStopBits::Two : SerialStopBits::One;
    return parameters;
}

bool applyLineParameters(const SerialLineParameters &parameters, termios &settings)
{
    const auto speed = speedCode(parameters.baudRate);
    if (!speed || parameters.dataBits < SmallestCharacter
        || parameters.dataBits >= SmallestCharacter + CharacterSizes.size())
        return false;

    termios changed = settings;
    if (::cfsetispeed(&changed, *speed) != 0 || ::cfsetospeed(&changed, *speed) != 0)
        return false;
    changed.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    changed.c_cflag |= CharacterSizes[parameters.dataBits - SmallestCharacter];
    switch (parameters.parity) {
    case SerialParity::None:
        break;
    case SerialParity::Odd:
        changed.c_cflag |= PARENB | PARODD;
        break;
    case SerialParity::Even:
        changed.c_cflag |= PARENB;
        break;
    case SerialParity::Mark:
        changed.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case SerialParity::Space:
        changed.c_cflag |= PARENB | CMSPAR;
        break;
    }
    // POSIX has no one and a half stop bits; a UART asked for two stop bits
    // with 5-bit characters sends one and a half anyway.
    if (parameters.stopBits != SerialStopBits::One)
        changed.c_cflag |= CSTOPB;
    settings = changed;
    return true;
}
