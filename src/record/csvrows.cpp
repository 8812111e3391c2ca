#include "record/csvrows.h"

#include <QLocale>
#include <QStringList>
#include <cstdlib>

namespace {

const QString Header = QStringLiteral("time,quantity,value,unit,display,raw");
const QString LineEnd = QStringLiteral("\r\n");
constexpr int SecondsPerMinute = 60;
constexpr int MinutesPerHour = 60;

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// Always as +hh:mm, also at UTC, so that every row reads the same way.
QString isoTime(const QDateTime &time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / SecondsPerMinute;
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"))
           + QLatin1Char(offset < 0 ? '-' : '+') + twoDigits(minutes / MinutesPerHour)
           + QLatin1Char(':') + twoDigits(minutes % MinutesPerHour);
}

// The same text under every locale: a point, no grouping, no exponent.
QString plainNumber(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString field(const QString &text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                             || text.contains(QLatin1Char('\r'))
                             || text.contains(QLatin1Char('\n'));
    if (!needsQuotes)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
           + QLatin1Char('"');
}

QString rawBytes(const Frame &reply)
{
    QStringList bytes;
    for (uint8_t byte : reply)
        bytes << QString::number(byte);
    return bytes.join(QLatin1Char(' '));
}

} // namespace

QByteArray csvHeader()
{
    return (Header + LineEnd).toUtf8();
}

QByteArray csvRows(const std::vector<Reading> &readings, const Frame &reply, const QDateTime &time)
{
    const QString timeField = isoTime(time);
    const QString rawField = rawBytes(reply);
    QString rows;
    for (const Reading &reading : readings) {
        rows += QStringList{timeField,
                            quantityName(reading.quantity).toString(),
                            plainNumber(reading.value),
                            unitName(reading.quantity).toString(),
                            field(reading.text),
                            rawField}
                    .join(QLatin1Char(','))
                + LineEnd;
    }
    return rows.toUtf8();
}
