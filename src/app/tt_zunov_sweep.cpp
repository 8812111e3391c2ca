// The main window during a sweep: the generator panel shows what the sweep
// has set, its controls rest, and polling is left to the sweep until it
// ends.
#include "app/tt_zunov.h"
#include "dialogs/sweepwindow.h"
#include "generator/waveform.h"
#include "ui_tt_zunov.h"

void TT_ZUNOV::connectSweep(SweepWindow &window)
{
    connect(&window, &SweepWindow::sweepRunning, this, &TT_ZUNOV::sweepRunning);
    connect(&window, &SweepWindow::generatorSet, this, &TT_ZUNOV::showGeneratorSetting);
}

void TT_ZUNOV::sweepRunning(bool running)
{
    if (running == m_sweeping)
        return;
    m_sweeping = running;
    // The sweep polls at its own pace; the window's polls would only come
    // between, and a handshake or an upload would change the generator under
    // it. Afterwards polling goes on as it did before.
    if (running) {
        m_pollingBeforeSweep = Timer2->enabled();
        Timer2->setEnabled(false);
    } else {
        Timer2->setEnabled(m_pollingBeforeSweep);
    }
    const QList<QWidget *> generatorControls{ui->cas1,         ui->Button2,      ui->RadioButton1,
                                             ui->RadioButton2, ui->RadioButton3, ui->RadioButton4,
                                             ui->RadioButton5};
    for (QWidget *control : generatorControls)
        control->setEnabled(!running);
    ui->Pripojit1->setEnabled(!running);
    wakeStatusTick();
}

void TT_ZUNOV::showGeneratorSetting(const Frame &tx)
{
    recordGeneratorSetting(tx);
    const auto waveform = Waveforms::withCode(tx[1]);
    if (!waveform)
        return;
    const std::array<std::pair<QRadioButton *, Waveform>, 5> buttons{{
        {ui->RadioButton5, Waveforms::Sine},
        {ui->RadioButton4, Waveforms::HalfSine},
        {ui->RadioButton3, Waveforms::Square},
        {ui->RadioButton2, Waveforms::Sawtooth},
        {ui->RadioButton1, Waveforms::Triangle},
    }};
    for (const auto &[button, each] : buttons) {
        if (each.code == waveform->code && !button->isChecked()) {
            button->setChecked(true);
            chooseWaveform(each);
        }
    }
    // The slider runs from -255 to 0; its change handler writes the value
    // into the frame as a person's move would.
    ui->cas1->setValue(-int(tx[2]));
}
