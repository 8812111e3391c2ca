#include "commandline.h"

#include "decimal.h"

#include <charconv>
#include <chrono>
#include <optional>

namespace zunovsim {

namespace {
constexpr int kMaxCount = 1'000'000'000;

std::optional<long long> number(const std::string &text, long long low, long long high)
{
    long long value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || value < low || value > high)
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
            result.port = static_cast<int>(numeric(0, kMaxCount));
        } else if (option == "--seed") {
            result.seed = static_cast<uint32_t>(numeric(0, UINT32_MAX));
        } else if (option == "--silence") {
            result.faults.silence = true;
        } else if (option == "--wrong-echo") {
            result.faults.wrongEchoStep = static_cast<int>(numeric(1, 4));
        } else if (option == "--late-byte") {
            result.faults.lateByte = static_cast<int>(numeric(1, kMaxCount));
        } else if (option == "--late-ms") {
            result.faults.lateDelay = std::chrono::milliseconds(numeric(0, kMaxCount));
        } else if (option == "--drop-byte") {
            result.faults.dropByte = static_cast<int>(numeric(1, kMaxCount));
        } else if (option == "--garbage") {
            result.faults.garbage = true;
        } else if (option == "--hang-up-after") {
            result.faults.hangUpAfter = static_cast<int>(numeric(1, kMaxCount));
        } else if (option == "--flood") {
            result.faults.floodPerSecond = static_cast<int>(numeric(1, 100'000));
        } else if (option == "--byte-delay") {
            result.faults.byteDelay = std::chrono::milliseconds(numeric(0, kMaxCount));
        } else {
            result.error = "unknown option " + option + " (see --help)";
        }
    }
    return result;
}

} // namespace zunovsim
