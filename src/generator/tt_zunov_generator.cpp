// The main window's generator panel: waveform choice, frequency slider,
// preview and upload.
#include "app/tt_zunov.h"
#include "generator/waveformpreview.h"
#include "measure/numberformat.h"
#include "platform/labeltext.h"
#include "ui_tt_zunov.h"

void TT_ZUNOV::NakresliUkazku()
{
    ui->Ukazka->setPixmap(
        QPixmap::fromImage(drawWaveformPreview(waveformTable, ui->Ukazka->size())));
}

void TT_ZUNOV::cas1Change(int position)
{
    // The slider runs from -255 (left) to 0 (right); the frequency value is
    // its negation, so the left end is the highest value.
    const int value = -position;
    setLabelText(ui->cass1, formatNumber(QStringLiteral("000"), value));
    state.tx[2] = uint8_t(value);
    state.tx[0] = Command::Generator;
}
