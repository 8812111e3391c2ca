#include "record/rowfields.h"

#include <QLocale>
#include <QStringList>
#include <cstdlib>

namespace {

constexpr int SecondsPerMinute = 60;
constexpr int MinutesPerHour = 60;

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

QString rowTime(const QDateTime &time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / SecondsPerMinute;
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"))
           + QLatin1Char(offset < 0 ? '-' : '+') + twoDigits(minutes / MinutesPerHour)
           + QLatin1Char(':') + twoDigits(minutes % MinutesPerHour);
}

QString rowValue(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString rowRawBytes(const Frame &reply)
{
    QStringList bytes;
    for (uint8_t byte : reply)
        bytes << QString::number(byte);
    return bytes.join(QLatin1Char(' '));
}
