// The main window's care of the link: letting the session look after the
// port, naming it in the device panel, and not passing the last values off as
// current while the instrument is not there.
#include "app/statuspanel.h"
#include "app/tt_zunov.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"
#include "platform/timerrest.h"
#include "ui_tt_zunov.h"

void TT_ZUNOV::watchLink()
{
    m_session->watchLink();
    showDevice();
}

// Nothing Timer1 looks at changes unless a handler changes it or the port's
// device goes away; most of its ticks would only find everything as it was,
// ten times a second. So it rests until one of those happens and then ticks
// on in its rhythm, exactly when it would have. A lost port is tried again
// from its ticks, so it does not rest then.
void TT_ZUNOV::letStatusTickRest()
{
    if (serialPort().isLost())
        return;
    m_statusTickRestingOn = statusTickInputs();
    // The session watches the port and changes what the tick looks at when
    // its device goes away.
    m_statusTickRest->rest(-1);
}

TT_ZUNOV::StatusTickInputs TT_ZUNOV::statusTickInputs() const
{
    return {state.online,
            m_session->link().instrumentAnswering(),
            Timer2->interval(),
            m_session->link().pollPeriodMs(state.pollPeriodMs),
            ui->Label1->isEnabled(),
            Timer2->enabled(),
            state.restartRequested,
            serialPort().isLost(),
            serialPort().descriptor(),
            m_panels->text(StatusPanel::LinkState)};
}

void TT_ZUNOV::showDevice()
{
    // Checked every tick; the panel's texts are only made again when the
    // port's state has changed.
    const DeviceStatus status = serialPort().deviceStatus();
    if (status == m_shownDevice)
        return;
    m_shownDevice = status;
    const DeviceView view = deviceView(status);
    m_panels->setText(StatusPanel::Device, view.text);
    m_panels->setToolTip(StatusPanel::Device, view.toolTip);
}

// Greyed rather than blanked: the last values are still worth seeing, as
// long as they do not look like fresh ones.
void TT_ZUNOV::showValuesAsCurrent(bool current)
{
    for (QLabel *value : valueLabels())
        value->setEnabled(current);
}
