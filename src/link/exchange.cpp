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
    int received = 0;
    for (size_t i = 0; i < request.size(); ++i)
        received += writeThenRead(port, request[i], reply[i]) ? 1 : 0;
    return received;
}

bool exchangeByte(TSerial &port, uint8_t request, uint8_t &reply)
{
    port.PurgeInput();
    return writeThenRead(port, request, reply);
}
