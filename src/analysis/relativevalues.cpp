#include "analysis/relativevalues.h"

#include "measure/numberformat.h"

#include <algorithm>
#include <cmath>

namespace {

struct RelativeFormat
{
    QStringView pattern;
    QStringView unit;
    double unitSize;
};

// The patterns and units of the labels, so that a difference reads like the
// value it replaces.
RelativeFormat relativeFormat(Quantity quantity, double magnitude)
{
    switch (quantity) {
    case Quantity::U1:
    case Quantity::U2:
        return {u"00.0", u" V", 1};
    case Quantity::Frequency:
        return {u"00.000.000", u"Hz", 1};
    case Quantity::Current:
        return {u"0.00", u"A", 1};
    case Quantity::Resistance:
        break;
    }
    if (magnitude < 1e3)
        return {u"000", u" ohm", 1};
    if (magnitude < 1e6)
        return {u"0.000", u" kohm", 1e3};
    return {u"0.000", u" Mohm", 1e6};
}

} // namespace

void RelativeValues::see(const Reading &reading)
{
    if (std::isfinite(reading.value))
        m_latest[size_t(reading.quantity)] = reading.value;
}

bool RelativeValues::capture(Quantity quantity)
{
    const std::optional<double> latest = m_latest[size_t(quantity)];
    if (!latest)
        return false;
    m_references[size_t(quantity)] = latest;
    return true;
}

std::optional<Reading> RelativeValues::relative(const Reading &reading) const
{
    const std::optional<double> reference = m_references[size_t(reading.quantity)];
    if (!reference)
        return std::nullopt;
    const double difference = reading.value - *reference;
    return Reading{reading.quantity, difference,
                   relativeText(reading.quantity, difference).whole()};
}

RelativeText relativeText(Quantity quantity, double difference)
{
    const RelativeFormat format = relativeFormat(quantity, std::abs(difference));
    QString number = formatNumber(format.pattern.toString(), difference / format.unitSize);
    // A difference reads with its sign either way; one that rounds to zero
    // has none, as the formatter gives no minus sign there.
    const bool nonZero = std::any_of(number.begin(), number.end(), [](QChar c) {
        return c >= QLatin1Char('1') && c <= QLatin1Char('9');
    });
    if (nonZero && !number.startsWith(QLatin1Char('-')))
        number.prepend(QLatin1Char('+'));
    return {number, format.unit.toString()};
}

void showDifferences(ReplyDisplay &display, const std::vector<Reading> &differences)
{
    for (const Reading &difference : differences) {
        switch (difference.quantity) {
        case Quantity::U1:
            display.u1Text = difference.text;
            break;
        case Quantity::U2:
            display.u2Text = difference.text;
            break;
        case Quantity::Resistance: {
            const RelativeText text = relativeText(difference.quantity, difference.value);
            display.resistanceDigits = text.number;
            display.resistanceSuffix = text.unit;
            break;
        }
        case Quantity::Frequency:
            display.frequencyText = difference.text;
            break;
        case Quantity::Current:
            display.currentText = difference.text;
            break;
        }
    }
}
