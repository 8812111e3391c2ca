#include "generatorcommand.h"

#include "clitexts.h"
#include "exitstatus.h"
#include "link/instrumentsession.h"
#include "output.h"
#include "record/rowfields.h"

#include <QCoreApplication>
#include <QEventLoop>

int runGenerator(InstrumentSession &session, uint8_t waveformCode, uint8_t frequencyValue,
                 Output &out, Output &err)
{
    const Frame request = generatorFrame(waveformCode, frequencyValue);
    Frame reply{};
    int received = 0;
    QEventLoop loop;
    QObject::connect(&session, &InstrumentSession::uploaded, &loop,
                     [&](const Frame &answer, int count) {
                         reply = answer;
                         received = count;
                         loop.quit();
                     });
    session.upload(request);
    loop.exec();
    out.write(QCoreApplication::translate("CliText", "Odesláno: %1\n").arg(rowRawBytes(request)));
    if (received < int(reply.size())) {
        err.write(CliText::incompleteReply(received));
        return ExitStatus::Failed;
    }
    out.write(QCoreApplication::translate("CliText", "Přijato: %1\n").arg(rowRawBytes(reply)));
    return ExitStatus::Success;
}
