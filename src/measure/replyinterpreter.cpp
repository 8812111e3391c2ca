#include "measure/replyinterpreter.h"

#include "measure/numberformat.h"

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

// The range code says how many zeros and which unit follow the three digits.
constexpr uint8_t FirstRangeCode = 200;
constexpr std::array<QStringView, 6> RangeSuffixes{
    u" ohm", u"0 ohm", u"00 ohm", u" kohm", u"0 kohm", u" Mohm",
};

QString format(QStringView pattern, double value)
{
    return formatNumber(pattern.toString(), value);
}

// A byte tagged for tenths of a volt, or one of whole volts.
QString voltageText(bool tenths, uint8_t value)
{
    return tenths ? format(TenthsPattern, value / 10.0).append(VoltsUnit)
                  : format(WholePattern, value).append(VoltsUnit);
}

std::optional<QString> rangeSuffix(uint8_t code)
{
    if (code < FirstRangeCode || code - FirstRangeCode >= int(RangeSuffixes.size()))
        return std::nullopt;
    return RangeSuffixes[code - FirstRangeCode].toString();
}

// The instrument sends the frequency as three bytes, most significant first.
int frequency(const Frame &reply)
{
    return 65536 * reply[1] + 256 * reply[2] + reply[3];
}

} // namespace

ReplyDisplay interpretReply(const Frame &reply)
{
    ReplyDisplay display;
    auto found = [&display](QStringView action) {
        display.actionText = action.toString();
        display.recognised = true;
    };

    if (reply[0] == Tag::U1Tenths || reply[0] == Tag::U1Volts) {
        display.u1Text = voltageText(reply[0] == Tag::U1Tenths, reply[2]);
        display.u1Point = reply[2];
        found(ActionText::Voltages);
    }
    if (reply[1] == Tag::U2Tenths || reply[1] == Tag::U2Volts) {
        display.u2Text = voltageText(reply[1] == Tag::U2Tenths, reply[3]);
        display.u2Point = reply[3];
        found(ActionText::Voltages);
    }
    if (reply[0] == Tag::Resistance) {
        display.resistanceSuffix = rangeSuffix(reply[1]);
        display.resistanceDigits = format(WholePattern, reply[3]);
        found(ActionText::Resistance);
    }
    if (reply[0] == Tag::Frequency) {
        display.frequencyText = format(FrequencyPattern, frequency(reply)).append(HertzUnit);
        found(ActionText::Frequency);
    }
    if (reply[0] == Tag::Current) {
        display.currentText = format(CurrentPattern, reply[3] / 100.0).append(AmpsUnit);
        display.currentPoint = reply[3];
        found(ActionText::Current);
    }
    return display;
}
