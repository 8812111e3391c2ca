#include "measure/numberformat.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <string>

namespace {

struct DigitPattern
{
    int integerDigits = 0;
    int decimals = 0;
};

DigitPattern parsePattern(const QString &pattern)
{
    DigitPattern result;
    bool afterPoint = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('.'))
            afterPoint = true;
        else if (c == QLatin1Char('0'))
            ++(afterPoint ? result.decimals : result.integerDigits);
    }
    return result;
}

// The shortest decimal text that reads back as the value, split into the
// integer and fraction digits; this is the "decimal value" that gets rounded.
void shortestDecimal(double magnitude, std::string &integerPart, std::string &fraction)
{
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    const std::string text(buffer, result.ptr);
    const auto point = text.find('.');
    integerPart = text.substr(0, point);
    fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
}

// Adds one to the last digit of a digit string, carrying to the left; returns
// true when the carry runs off the front.
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

} // namespace

QString formatNumber(const QString &pattern, double value, QChar decimalSeparator)
{
    const DigitPattern digits = parsePattern(pattern);
    if (!std::isfinite(value))
        return QString::number(value);

    std::string integerPart;
    std::string fraction;
    shortestDecimal(std::fabs(value), integerPart, fraction);

    fraction.resize(std::max<size_t>(fraction.size(), digits.decimals + 1), '0');
    const bool roundUp = fraction[digits.decimals] >= '5';
    fraction.resize(digits.decimals);
    if (roundUp) {
        std::string all = integerPart + fraction;
        if (incrementDigits(all))
            all.insert(all.begin(), '1');
        integerPart = all.substr(0, all.size() - fraction.size());
        fraction = all.substr(all.size() - fraction.size());
    }

    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size()));
    if (integerPart.size() < size_t(digits.integerDigits))
        integerPart.insert(0, digits.integerDigits - integerPart.size(), '0');

    const bool isZero = integerPart.find_first_not_of('0') == std::string::npos
                        && fraction.find_first_not_of('0') == std::string::npos;
    QString text;
    if (value < 0 && !isZero)
        text += QLatin1Char('-');
    text += QString::fromLatin1(integerPart);
    if (digits.decimals > 0)
        text += decimalSeparator + QString::fromLatin1(fraction);
    return text;
}

QString formatNumber(const QString &pattern, double value)
{
    return formatNumber(pattern, value, QLocale::system().decimalPoint().at(0));
}
