#include "measure/replyinterpreter.h"

#include "measure/numberformat.h"

#include <QCoreApplication>
#include <array>

namespace {

// Tags of the reply: byte 0 names what bytes 1..3 carry; byte 1 may also tag
// U2 in byte 3.
namespace Tag {
constexpr uint8_t U1Tenths = 'c';
constexpr uint8_t U1Volts = 'b';
constexpr uint8_t U2Tenths = 'a';
constexpr uint8_t U2Volts = '`';
constexpr uint8_t Resistance = 'f';
constexpr uint8_t Frequency = 'e';
constexpr uint8_t Current = 'g';
} // namespace Tag

constexpr QStringView VoltsUnit = u" V";
constexpr QStringView HertzUnit = u"Hz";
constexpr QStringView AmpsUnit = u"A";

constexpr QStringView TenthsPattern = u"00.0";
constexpr QStringView WholePattern = u"000";
constexpr QStringView FrequencyPattern = u"00.000.000";
constexpr QStringView CurrentPattern = u"0.00";

// Names and base units, in the order of Quantity.
struct NameAndUnit
{
    QStringView name;
    QStringView unit;
};
constexpr std::array<NameAndUnit, 5> QuantityNames{{
    {u"U1", u"V"},
    {u"U2", u"V"},
    {u"R", u"Ohm"},
    {u"f", u"Hz"},
    {u"I", u"A"},
}};

// The range code says how many zeros and which unit follow the three digits,
// and so what the digits are worth.
struct ResistanceRange
{
    QStringView suffix;
    double ohmsPerDigit;
};
constexpr uint8_t FirstRangeCode = 200;
constexpr std::array<ResistanceRange, 6> ResistanceRanges{{
    {u" ohm", 1},
    {u"0 ohm", 10},
    {u"00 ohm", 100},
    {u" kohm", 1e3},
    {u"0 kohm", 1e4},
    {u" Mohm", 1e6},
}};

QString format(QStringView pattern, double value)
{
    return formatNumber(pattern.toString(), value);
}

// A byte tagged for tenths of a volt, or one of whole volts.
Reading voltage(Quantity quantity, bool tenths, uint8_t byte)
{
    const double volts = tenths ? byte / 10.0 : byte;
    return {quantity, volts,
            format(tenths ? TenthsPattern : WholePattern, volts).append(VoltsUnit)};
}

std::optional<ResistanceRange> resistanceRange(uint8_t code)
{
    if (code < FirstRangeCode || code - FirstRangeCode >= int(ResistanceRanges.size()))
        return std::nullopt;
    return ResistanceRanges[code - FirstRangeCode];
}

// The instrument sends the frequency as three bytes, most significant first.
Reading frequency(const Frame &reply)
{
    const double hertz = 65536 * reply[1] + 256 * reply[2] + reply[3];
    return {Quantity::Frequency, hertz, format(FrequencyPattern, hertz).append(HertzUnit)};
}

Reading current(uint8_t hundredths)
{
    const double amperes = hundredths / 100.0;
    return {Quantity::Current, amperes, format(CurrentPattern, amperes).append(AmpsUnit)};
}

} // namespace

QString shownActionText(QStringView action)
{
    return QCoreApplication::translate("ReplyInterpreter", action.toUtf8().constData());
}

QStringView quantityName(Quantity quantity)
{
    return QuantityNames.at(size_t(quantity)).name;
}

std::optional<Quantity> quantityNamed(QStringView name)
{
    for (Quantity quantity : AllQuantities) {
        if (quantityName(quantity) == name)
            return quantity;
    }
    return std::nullopt;
}

QStringView unitName(Quantity quantity)
{
    return QuantityNames.at(size_t(quantity)).unit;
}

ReplyDisplay interpretReply(const Frame &reply)
{
    ReplyDisplay display;
    auto found = [&display](QStringView action) {
        display.actionText = shownActionText(action);
        display.recognised = true;
    };
    // The labels show the text of the very reading that is kept.
    auto keep = [&display](Reading reading) {
        display.readings.push_back(std::move(reading));
        return display.readings.back().text;
    };

    if (reply[0] == Tag::U1Tenths || reply[0] == Tag::U1Volts) {
        display.u1Text = keep(voltage(Quantity::U1, reply[0] == Tag::U1Tenths, reply[2]));
        display.u1Point = reply[2];
        found(ActionText::Voltages);
    }
    if (reply[1] == Tag::U2Tenths || reply[1] == Tag::U2Volts) {
        display.u2Text = keep(voltage(Quantity::U2, reply[1] == Tag::U2Tenths, reply[3]));
        display.u2Point = reply[3];
        found(ActionText::Voltages);
    }
    if (reply[0] == Tag::Resistance) {
        const QString digits = format(WholePattern, reply[3]);
        display.resistanceDigits = digits;
        if (const auto range = resistanceRange(reply[1])) {
            display.resistanceSuffix = range->suffix.toString();
            keep({Quantity::Resistance, reply[3] * range->ohmsPerDigit,
                  QString(digits).append(range->suffix)});
        }
        found(ActionText::Resistance);
    }
    if (reply[0] == Tag::Frequency) {
        display.frequencyText = keep(frequency(reply));
        found(ActionText::Frequency);
    }
    if (reply[0] == Tag::Current) {
        display.currentText = keep(current(reply[3]));
        display.currentPoint = reply[3];
        found(ActionText::Current);
    }
    return display;
}
