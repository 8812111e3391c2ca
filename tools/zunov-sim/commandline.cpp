#include "commandline.h"

#include "benchmodel.h"
#include "decimal.h"

#include <charconv>
#include <chrono>
#include <optional>

namespace zunovsim {

namespace {
constexpr int MaxCount = 1'000'000'000;
// Far above the generator's 50 Hz already U2 hardly differs from U1.
constexpr double MaxCornerHz = 100'000;

std::optional<long long> number(const std::string &text, long long low, long long high)
{
    long long value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// A decimal number with a point, the same under every locale.
std::optional<double> positive(const std::string &text, double high)
{
    double value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    // Written so that "nan" fails it too.
    if (error != std::errc{} || stop != end || !(value > 0 && value <= high))
        return std::nullopt;
    return value;
}
} // namespace

std::string CommandLine::helpText()
{
    return "Usage: zunov-sim [options]\n"
           "Emulates the ZUNOV measuring instrument on a pseudo-terminal, so that the\n"
           "program can be tried without hardware. The first line of output is the\n"
           "terminal's path; then one line per generator frame received and per hang-up.\n"
           "Runs until SIGINT or SIGTERM (Ctrl+C), or until it hangs up on purpose.\n"
           "An existing COM<N> that is not a link left behind by the emulator is never\n"
           "replaced: zunov-sim then exits with status 3.\n"
           "\n"
           "  --help              show this text and exit\n"
           "  --dir DIR           folder for the COM<N> link (default: current folder)\n"
           "  --port N            name the link COM<N> (default 1)\n"
           "  --seed N            seed of the generated measurements (default 1)\n"
           "\n"
           "Bench model (the emulator's own, not the instrument's calibration): the\n"
           "generator feeds U1 with 10 V and U2 through a first-order low-pass, and the\n"
           "frequency reads 5-50 Hz as set, so a frequency sweep draws the low-pass curve.\n"
           "  --bench             switch the bench model on\n"
           "  --corner-hz F       corner frequency of the low-pass in Hz (default 20;\n"
           "                      needs --bench)\n"
           "\n"
           "Faults (all can be combined):\n"
           "  --silence           answer nothing at all\n"
           "  --wrong-echo STEP   answer handshake step STEP (1..4) with 110 instead of 111\n"
           "  --late-byte N       send reply byte N after a delay (bytes count from 1)\n"
           "  --late-ms MS        the delay of the late byte (default 1500)\n"
           "  --drop-byte N       never send reply byte N\n"
           "  --garbage           answer polls and generator frames with random bytes\n"
           "  --hang-up-after N   close the line and remove the link after N complete frames\n"
           "  --flood RATE        send RATE unsolicited random bytes per second\n"
           "  --byte-delay MS     send every reply byte MS after the byte it answers, like\n"
           "                      a USB adapter's latency timer (default 0); a late byte\n"
           "                      waits its --late-ms on top\n"
           "\n"
           "Reply bytes count every byte the instrument sends: handshake echoes, poll\n"
           "replies and generator answers. Handshake steps count the 111 bytes received\n"
           "in a row; every fifth one starts a new handshake at step 1.\n";
}

CommandLine CommandLine::parse(const std::vector<std::string> &arguments)
{
    CommandLine result;
    bool bench = false;
    std::optional<double> cornerHz;
    for (std::size_t i = 0; i < arguments.size() && result.error.empty(); ++i) {
        const std::string &option = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const std::string value = hasValue ? arguments[i + 1] : std::string();
        auto numeric = [&](long long low, long long high) -> long long {
            ++i;
            const auto parsed = hasValue ? number(value, low, high) : std::nullopt;
            if (!parsed) {
                result.error =
                    option + " needs a whole number from " + decimal(low) + " to " + decimal(high);
                return 0;
            }
            return *parsed;
        };

        if (option == "--help") {
            result.help = true;
        } else if (option == "--dir") {
            ++i;
            if (!hasValue || value.empty())
                result.error = "--dir needs a folder";
            result.dir = value;
        } else if (option == "--port") {
            result.port = static_cast<int>(numeric(0, MaxCount));
        } else if (option == "--seed") {
            result.seed = static_cast<uint32_t>(numeric(0, UINT32_MAX));
        } else if (option == "--bench") {
            bench = true;
        } else if (option == "--corner-hz") {
            ++i;
            cornerHz = hasValue ? positive(value, MaxCornerHz) : std::nullopt;
            if (!cornerHz)
                result.error = "--corner-hz needs a number of hertz above 0, up to "
                               + decimal(static_cast<long long>(MaxCornerHz));
        } else if (option == "--silence") {
            result.faults.silence = true;
        } else if (option == "--wrong-echo") {
            result.faults.wrongEchoStep = static_cast<int>(numeric(1, 4));
        } else if (option == "--late-byte") {
            result.faults.lateByte = static_cast<int>(numeric(1, MaxCount));
        } else if (option == "--late-ms") {
            result.faults.lateDelay = std::chrono::milliseconds(numeric(0, MaxCount));
        } else if (option == "--drop-byte") {
            result.faults.dropByte = static_cast<int>(numeric(1, MaxCount));
        } else if (option == "--garbage") {
            result.faults.garbage = true;
        } else if (option == "--hang-up-after") {
            result.faults.hangUpAfter = static_cast<int>(numeric(1, MaxCount));
        } else if (option == "--flood") {
            result.faults.floodPerSecond = static_cast<int>(numeric(1, 100'000));
        } else if (option == "--byte-delay") {
            result.faults.byteDelay = std::chrono::milliseconds(numeric(0, MaxCount));
        } else {
            result.error = "unknown option " + option + " (see --help)";
        }
    }
    if (result.error.empty() && cornerHz && !bench)
        result.error = "--corner-hz works only with --bench";
    if (bench)
        result.benchCornerHz = cornerHz.value_or(BenchModel::DefaultCornerHz);
    return result;
}

} // namespace zunovsim
