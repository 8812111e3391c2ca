// The main window's generator panel: waveform choice, frequency slider,
// preview and upload.
#include "app/statuspanel.h"
#include "app/tt_zunov.h"
#include "generator/waveform.h"
#include "generator/waveformfile.h"
#include "generator/waveformpreview.h"
#include "link/instrumentsession.h"
#include "measure/numberformat.h"
#include "platform/labeltext.h"
#include "ui_tt_zunov.h"

namespace {

// The same in every language.
const QString UploadLinkText = QStringLiteral("OFFLINE generator");
// Spelt the way the instrument's users have always seen it; translated where
// it is shown.
const char *const UploadActionText = QT_TRANSLATE_NOOP("TT_ZUNOV", "Odelímám data pro generátor");

} // namespace

void TT_ZUNOV::NakresliUkazku()
{
    ui->Ukazka->setPixmap(
        QPixmap::fromImage(drawWaveformPreview(waveformTable, ui->Ukazka->size())));
}

int TT_ZUNOV::frequencyValue() const
{
    // The slider runs from -255 (left) to 0 (right); the frequency value is
    // its negation, so the left end is the highest value.
    return -ui->cas1->value();
}

void TT_ZUNOV::cas1Change(int)
{
    setLabelText(ui->cass1, formatNumber(QStringLiteral("000"), frequencyValue()));
    state.tx[2] = uint8_t(frequencyValue());
    state.tx[0] = Command::Generator;
}

void TT_ZUNOV::chooseWaveform(const Waveform &waveform)
{
    state.tx[1] = waveform.code;
    // The same frequency value as the slider writes, so the instrument gets
    // the same byte whichever control was touched last.
    state.tx[2] = uint8_t(frequencyValue());
    state.tx[0] = Command::Generator;
    readWaveformFile(waveform.file(), waveformTable);
    NakresliUkazku();
}

void TT_ZUNOV::RadioButton5Click()
{
    chooseWaveform(Waveforms::Sine);
}

void TT_ZUNOV::RadioButton4Click()
{
    chooseWaveform(Waveforms::HalfSine);
}

void TT_ZUNOV::RadioButton3Click()
{
    chooseWaveform(Waveforms::Square);
}

void TT_ZUNOV::RadioButton2Click()
{
    chooseWaveform(Waveforms::Sawtooth);
}

void TT_ZUNOV::RadioButton1Click()
{
    chooseWaveform(Waveforms::Triangle);
}

void TT_ZUNOV::Button2Click()
{
    // Polling stops for good: only a new handshake starts it again.
    Timer2->setEnabled(false);
    m_panels->setText(StatusPanel::LinkState, UploadLinkText);
    // The tick puts the link's state back, and greys the values: they came
    // from the last poll, and no poll follows.
    wakeStatusTick();
    Timer3->setEnabled(true);
    m_panels->setText(StatusPanel::LastAction, tr(UploadActionText));
    // A poll since the last generator control left the poll command in the
    // frame; the upload always sends the generator settings.
    state.tx[0] = Command::Generator;
    recordGeneratorSetting(state.tx);
    m_session->upload(state.tx);
}

void TT_ZUNOV::uploadEnded(const Frame &reply)
{
    // The instrument's answer to an upload carries no measurement.
    state.rx = reply;
}
