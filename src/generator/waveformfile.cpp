#include "generator/waveformfile.h"

#include "platform/regularfile.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Parses one whole token as a C integer; nullopt when it is not one or does
// not fit 64 bits.
std::optional<uint64_t> parseCInteger(std::string_view token)
{
    bool negative = false;
    if (!token.empty() && (token.front() == '-' || token.front() == '+')) {
        negative = token.front() == '-';
        token.remove_prefix(1);
    }
    int base = 10;
    if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
        base = 16;
        token.remove_prefix(2);
    } else if (token.size() > 1 && token[0] == '0') {
        base = 8;
        token.remove_prefix(1);
    }
    if (token.empty() || token.front() == '-' || token.front() == '+')
        return std::nullopt;
    uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(token.data(), token.data() + token.size(), magnitude, base);
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return negative ? uint64_t(0) - magnitude : magnitude;
}

// Hands out the numbers of the text one by one until the text or the numbers end.
class NumberReader
{
public:
    explicit NumberReader(const QByteArray &text)
        : m_text(text.constData(), size_t(text.size()))
    {}

    std::optional<uint64_t> next()
    {
        if (m_stopped)
            return std::nullopt;
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        const size_t start = m_pos;
        while (m_pos < m_text.size() && !isBlank(m_text[m_pos]))
            ++m_pos;
        std::optional<uint64_t> number;
        if (m_pos > start)
            number = parseCInteger(m_text.substr(start, m_pos - start));
        m_stopped = !number.has_value();
        return number;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
    bool m_stopped = false;
};

} // namespace

void readWaveform(const QByteArray &text, WaveformTable &table)
{
    NumberReader numbers(text);
    while (const std::optional<uint64_t> header = numbers.next()) {
        uint64_t last = *header;
        for (uint8_t &sample : table) {
            if (const std::optional<uint64_t> number = numbers.next())
                last = *number;
            sample = uint8_t(last & 0xFF);
        }
    }
}

bool readWaveformFile(const QString &name, WaveformTable &table)
{
    const std::optional<QByteArray> text = readRegularFile(name, WaveformFileLimit);
    if (!text)
        return false;
    readWaveform(*text, table);
    return true;
}
