#include "record/sweeprows.h"

#include "generator/waveform.h"
#include "record/rowfields.h"

#include <QStringList>

namespace {

const QString LineEnd = QStringLiteral("\r\n");
constexpr std::array<QStringView, 3> Figures{u"n", u"mean", u"sd"};

} // namespace

QString sweepColumn(Quantity quantity, QStringView figure)
{
    return quantityName(quantity).toString() + QLatin1Char('_') + figure.toString();
}

QString sweepWaveformName(uint8_t code)
{
    const auto waveform = Waveforms::withCode(code);
    return waveform ? waveform->name() : QString::number(code);
}

QByteArray sweepCsvHeader()
{
    QStringList columns{QStringLiteral("step"), QStringLiteral("waveform"), QStringLiteral("value"),
                        QStringLiteral("tx")};
    for (Quantity quantity : AllQuantities) {
        for (QStringView figure : Figures)
            columns << sweepColumn(quantity, figure);
    }
    return (columns.join(QLatin1Char(',')) + LineEnd).toUtf8();
}

QByteArray sweepCsvRow(const SweepStep &step)
{
    // No field can hold a comma, a quote or a line end, so none is quoted.
    QStringList fields{QString::number(step.number), sweepWaveformName(step.waveformCode),
                       QString::number(step.value), rowRawBytes(step.tx)};
    for (Quantity quantity : AllQuantities) {
        const RunningStatistics &readings = step.of(quantity);
        const bool any = readings.count() > 0;
        fields << QString::number(readings.count()) << (any ? rowValue(readings.mean()) : QString())
               << (any ? rowValue(readings.standardDeviation()) : QString());
    }
    return (fields.join(QLatin1Char(',')) + LineEnd).toUtf8();
}
