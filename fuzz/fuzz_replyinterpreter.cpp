// interpretReply on any four bytes: a defined result whose parts agree with
// each other and with the bytes, as its header describes them.
#include "fuzzcheck.h"
#include "measure/replyinterpreter.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool isReplyByte(const Frame &reply, const std::optional<int> &point)
{
    return !point || std::find(reply.begin(), reply.end(), *point) != reply.end();
}

// The number a text shows before its unit, in the C locale the fuzzer runs
// under; NaN when the text does not end in the unit or holds no number.
double shownNumber(const std::optional<QString> &text, QStringView unit)
{
    if (!text || !text->endsWith(unit))
        return NAN;
    bool ok = false;
    const double value = QLocale::c().toDouble(text->chopped(unit.size()), &ok);
    return ok ? value : NAN;
}

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-6 * std::max(1.0, std::fabs(b));
}

// Ohms per unit of the three digits, by the suffix shown beside them.
double ohmsPerDigit(const QString &suffix)
{
    const std::pair<QStringView, double> factors[] = {
        {u" ohm", 1},    {u"0 ohm", 10},   {u"00 ohm", 100},
        {u" kohm", 1e3}, {u"0 kohm", 1e4}, {u" Mohm", 1e6},
    };
    for (const auto &[text, factor] : factors) {
        if (suffix == text)
            return factor;
    }
    return NAN;
}

// The readings are the labels as plain data: one per label that changed, in
// the order U1, U2, R, f, I, with the label's text and the number it shows in
// the base unit. A resistance without a known range has no reading.
void checkReadings(const ReplyDisplay &display)
{
    struct Expected
    {
        Quantity quantity;
        QString text;
        double value;
    };
    std::vector<Expected> expected;
    if (display.u1Text)
        expected.push_back({Quantity::U1, *display.u1Text, shownNumber(display.u1Text, u" V")});
    if (display.u2Text)
        expected.push_back({Quantity::U2, *display.u2Text, shownNumber(display.u2Text, u" V")});
    if (display.resistanceDigits && display.resistanceSuffix)
        expected.push_back(
            {Quantity::Resistance, *display.resistanceDigits + *display.resistanceSuffix,
             shownNumber(display.resistanceDigits, u"") * ohmsPerDigit(*display.resistanceSuffix)});
    if (display.frequencyText)
        expected.push_back({Quantity::Frequency, *display.frequencyText,
                            shownNumber(display.frequencyText, u"Hz")});
    if (display.currentText)
        expected.push_back(
            {Quantity::Current, *display.currentText, shownNumber(display.currentText, u"A")});

    FUZZ_CHECK(display.readings.size() == expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        FUZZ_CHECK(display.readings[i].quantity == expected[i].quantity);
        FUZZ_CHECK(display.readings[i].text == expected[i].text);
        FUZZ_CHECK(near(display.readings[i].value, expected[i].value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Frame reply{};
    std::memcpy(reply.data(), data, std::min(size, reply.size()));
    const ReplyDisplay display = interpretReply(reply);

    const bool anything = display.u1Text || display.u2Text || display.resistanceDigits
                          || display.frequencyText || display.currentText;
    FUZZ_CHECK(display.recognised == anything);
    FUZZ_CHECK(display.recognised == (display.actionText != ActionText::Receiving));
    FUZZ_CHECK(display.actionText == ActionText::Receiving
               || display.actionText == ActionText::Voltages
               || display.actionText == ActionText::Resistance
               || display.actionText == ActionText::Frequency
               || display.actionText == ActionText::Current);

    // Each graph point is a raw reply byte, beside a label that shows it.
    FUZZ_CHECK(display.u1Point.has_value() == display.u1Text.has_value());
    FUZZ_CHECK(display.u2Point.has_value() == display.u2Text.has_value());
    FUZZ_CHECK(display.currentPoint.has_value() == display.currentText.has_value());
    FUZZ_CHECK(isReplyByte(reply, display.u1Point));
    FUZZ_CHECK(isReplyByte(reply, display.u2Point));
    FUZZ_CHECK(isReplyByte(reply, display.currentPoint));

    // A voltage is shown in whole volts or in tenths of the byte.
    for (const auto &[text, point] :
         {std::pair(display.u1Text, display.u1Point), std::pair(display.u2Text, display.u2Point)}) {
        if (!text)
            continue;
        const double volts = shownNumber(text, u" V");
        FUZZ_CHECK(near(volts, *point) || near(volts * 10, *point));
    }
    if (display.currentText)
        FUZZ_CHECK(near(shownNumber(display.currentText, u"A") * 100, *display.currentPoint));
    if (display.frequencyText) {
        const double hertz = shownNumber(display.frequencyText, u"Hz");
        FUZZ_CHECK(hertz >= 0 && hertz < 1 << 24 && near(hertz, std::round(hertz)));
    }
    if (display.resistanceDigits) {
        const double digits = shownNumber(display.resistanceDigits, u"");
        FUZZ_CHECK(display.resistanceDigits->size() == 3 && digits >= 0 && digits <= 255);
    }
    if (display.resistanceSuffix)
        FUZZ_CHECK(display.resistanceSuffix->endsWith(u"ohm"));
    checkReadings(display);
    return 0;
}
