#include "record/csvrows.h"

#include "record/rowfields.h"

#include <QStringList>

namespace {

const QString Header = QStringLiteral("time,quantity,value,unit,display,raw");
const QString LineEnd = QStringLiteral("\r\n");

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

} // namespace

QByteArray csvHeader()
{
    return (Header + LineEnd).toUtf8();
}

QByteArray csvRows(const std::vector<Reading> &readings, const Frame &reply, const QDateTime &time)
{
    const QString timeField = rowTime(time);
    const QString rawField = rowRawBytes(reply);
    QString rows;
    for (const Reading &reading : readings) {
        rows += QStringList{timeField,
                            quantityName(reading.quantity).toString(),
                            rowValue(reading.value),
                            unitName(reading.quantity).toString(),
                            field(reading.text),
                            rawField}
                    .join(QLatin1Char(','))
                + LineEnd;
    }
    return rows.toUtf8();
}
