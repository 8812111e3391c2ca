#include "link/exchange.h"

#include "link/tserial.h"

#include <chrono>
#include <thread>

namespace {

// How long the answers to the unanswered rest of a request may still be on
// their way: a byte takes about 1 ms at 9600 bit/s, and a USB adapter holds
// what it received for up to 16 ms before passing it on.
constexpr std::chrono::milliseconds TailAnswersMs{50};

bool writeThenRead(TSerial &port, uint8_t request, uint8_t &reply)
{
    port.WriteByte(request);
    return port.ReadByte(&reply) == 1;
}

} // namespace

int runExchange(TSerial &port, const Frame &request, Frame &reply)
{
    port.PurgeInput();
    size_t received = 0;
    while (received < request.size() && writeThenRead(port, request[received], reply[received]))
        ++received;
    const size_t firstUnanswered = received + 1;
    if (firstUnanswered >= request.size())
        return int(received);
    for (size_t unanswered = firstUnanswered; unanswered < request.size(); ++unanswered)
        port.WriteByte(request[unanswered]);
    // The next exchange may follow at once (a poll that is already due); its
    // purge would come before these answers, and they would open its reply.
    if (port.IsOpen()) {
        std::this_thread::sleep_for(TailAnswersMs);
        port.PurgeInput();
    }
    return int(received);
}

bool exchangeByte(TSerial &port, uint8_t request, uint8_t &reply)
{
    port.PurgeInput();
    return writeThenRead(port, request, reply);
}
