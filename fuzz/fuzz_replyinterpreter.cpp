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
    return std::fabs(a - b) < 1e-6;
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
    return 0;
}
