// readWaveform against a model built on the C library's own reading of
// C-style integers (strtoull with base 0): whitespace-separated tokens, each
// stored as its low 8 bits, in blocks of a header and 255 samples, the last
// number held when the numbers run out, reading stopped by the first token
// that is not a whole integer or does not fit 64 bits.
#include "fuzzcheck.h"
#include "generator/waveformfile.h"

#include <QByteArray>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

std::vector<uint64_t> numbersBeforeTheFirstNonNumber(const QByteArray &text)
{
    std::vector<uint64_t> numbers;
    qsizetype pos = 0;
    for (;;) {
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
            ++pos;
        const qsizetype start = pos;
        while (pos < text.size() && !std::isspace(static_cast<unsigned char>(text[pos])))
            ++pos;
        if (pos == start)
            return numbers;
        // strtoull needs a terminated string and takes the token's end as the
        // end of the number only when the whole token is one.
        const QByteArray token = text.mid(start, pos - start);
        char *end = nullptr;
        errno = 0;
        const uint64_t value = std::strtoull(token.constData(), &end, 0);
        if (errno != 0 || end != token.constData() + token.size())
            return numbers;
        numbers.push_back(value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    WaveformTable table;
    table.fill(7);
    readWaveform(text, table);

    const std::vector<uint64_t> numbers = numbersBeforeTheFirstNonNumber(text);
    WaveformTable expected;
    expected.fill(7);
    for (size_t next = 0; next < numbers.size();) {
        uint64_t last = numbers[next++];
        for (uint8_t &sample : expected) {
            if (next < numbers.size())
                last = numbers[next++];
            sample = uint8_t(last & 0xFF);
        }
    }
    FUZZ_CHECK(table == expected);
    return 0;
}
