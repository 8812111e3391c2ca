// The main window's connect handshake: "Menu" > "Připojit" starts a chain of
// four one-shot timers, one echo step each; the session runs the step and
// the chain goes on when its echo has come back or has not.
#include "app/tt_zunov.h"
#include "dialogs/sweepwindow.h"
#include "dialogs/tpripoj.h"
#include "link/handshake.h"
#include "link/instrumentsession.h"
#include "link/openfailure.h"
#include "link/tserial.h"
#include "platform/messages.h"

void TT_ZUNOV::Pripojit1Click()
{
    if (!m_windows)
        return;
    // A port that cannot be opened fails every step of the test at once; the
    // user learns more from one message that says why.
    const bool opened = m_session->openPort();
    showDevice();
    if (!opened) {
        showWarning(cannotOpenMessage(serialPort().deviceStatus()));
        return;
    }
    m_windows->connect.show();
    // The test's four bytes must reach the instrument in a row.
    m_windows->sweep.allowStart(false);
    Timer4->setEnabled(true);
    m_windows->connect.setProgress(0);
}

void TT_ZUNOV::Timer4Timer()
{
    runHandshakeStep(1, Timer4);
}

void TT_ZUNOV::Timer5Timer()
{
    runHandshakeStep(2, Timer5);
}

void TT_ZUNOV::Timer6Timer()
{
    runHandshakeStep(3, Timer6);
}

void TT_ZUNOV::Timer7Timer()
{
    runHandshakeStep(4, Timer7);
}

void TT_ZUNOV::runHandshakeStep(int step, Timer *own)
{
    own->setEnabled(false);
    m_windows->connect.setStepText(Handshake::stepText(step));
    m_windows->connect.setSentByte(Handshake::TestByte);
    m_windows->connect.setProgress(25 * step);
    m_session->echoStep(step);
}

void TT_ZUNOV::echoReceived(int step, std::optional<uint8_t> received)
{
    // A byte that did not come back is a failed step, whatever an earlier
    // handshake left in its place.
    uint8_t &echo = state.echo[step - 1];
    echo = received.value_or(0);
    m_windows->connect.setReceivedByte(echo);
    const bool passed = echo == Handshake::TestByte;
    if (!passed)
        showMessage(Handshake::failureMessage(step));

    const std::array<Timer *, Handshake::Steps - 1> nextSteps{Timer5, Timer6, Timer7};
    if (step < Handshake::Steps)
        nextSteps[step - 1]->setEnabled(true);
    else
        finishHandshake(passed);
}

void TT_ZUNOV::finishHandshake(bool linkUp)
{
    if (linkUp) {
        showMessage(Handshake::onlineMessage());
        state.online = true;
        m_session->handshakePassed();
        Timer2->setEnabled(true);
        wakeStatusTick();
    } else {
        m_windows->connect.setStepText(Handshake::retryText());
    }
    m_windows->connect.setProgress(0);
    m_windows->connect.close();
    m_windows->sweep.allowStart(true);
}
