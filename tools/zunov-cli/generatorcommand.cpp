#include "generatorcommand.h"

#include "clitexts.h"
#include "exitstatus.h"
#include "link/exchange.h"
#include "output.h"
#include "record/rowfields.h"

int runGenerator(TSerial &port, uint8_t waveformCode, uint8_t frequencyValue, Output &out,
                 Output &err)
{
    const Frame request{Command::Generator, waveformCode, frequencyValue, 0};
    Frame reply{};
    const int received = runExchange(port, request, reply);
    out.write(QStringLiteral("Odesláno: %1\n").arg(rowRawBytes(request)));
    if (received < int(reply.size())) {
        err.write(CliText::incompleteReply(received));
        return ExitStatus::Failed;
    }
    out.write(QStringLiteral("Přijato: %1\n").arg(rowRawBytes(reply)));
    return ExitStatus::Success;
}
