// The main window's care of the link: letting the session look after the
// port, naming it in the device panel, and not passing the last values off as
// current while the instrument is not there.
#include "app/statuspanel.h"
#include "app/tt_zunov.h"
#include "link/instrumentsession.h"
#include "link/tserial.h"
#include "ui_tt_zunov.h"

void TT_ZUNOV::watchLink()
{
    m_session->watchLink();
    showDevice();
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
