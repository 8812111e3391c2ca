#include "link/exchange.h"

#include "link/tserial.h"

namespace {

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
    for (size_t unanswered = received + 1; unanswered < request.size(); ++unanswered)
        port.WriteByte(request[unanswered]);
    return int(received);
}

bool exchangeByte(TSerial &port, uint8_t request, uint8_t &reply)
{
    port.PurgeInput();
    return writeThenRead(port, request, reply);
}
