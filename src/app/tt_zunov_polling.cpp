// The main window's measurement poll: one exchange per poll period, run by
// the session, and what the reply carries shown on the labels and fed to the
// history graphs when it comes.
#include "analysis/relativevalues.h"
#include "app/statuspanel.h"
#include "app/tt_zunov.h"
#include "link/instrumentsession.h"
#include "measure/replyinterpreter.h"
#include "measure/tgraff.h"
#include "measure/tperformancegraph.h"
#include "platform/labeltext.h"
#include "ui_tt_zunov.h"

#include <QDateTime>

namespace {

// Translated where it is shown: the translation is chosen after start-up.
const char *const NoReplyText = QT_TRANSLATE_NOOP("TT_ZUNOV", "Žádná odpověď");
constexpr int GraphColour = 255; // red

void feed(TPerformanceGraph *graph, int value)
{
    graph->DataPoint(GraphColour, value);
    graph->Update();
}

} // namespace

void TT_ZUNOV::Timer2Timer()
{
    Timer3->setEnabled(true);
    m_panels->setText(StatusPanel::LastAction, shownActionText(ActionText::Receiving));
    state.tx[0] = Command::Poll;
    m_session->poll(state.tx);
    m_pollUnderWay = true;
}

void TT_ZUNOV::pollEnded(const Frame &reply, int received)
{
    m_pollUnderWay = false;
    state.rx = reply;
    recordLinkState();
    if (received < int(reply.size())) {
        // Showing what is left of an earlier reply would pass old values off
        // as new ones; a reply counts only when all four bytes came.
        m_panels->setText(StatusPanel::LastAction, tr(NoReplyText));
        return;
    }
    showValuesAsCurrent(true);
    const ReplyDisplay display = interpretReply(state.rx);
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const AnalysedReply analysed = m_analysis.add(display.readings, state.rx, nowMs);
    if (analysed.differences.empty()) {
        showReply(display, analysed.differences);
    } else {
        ReplyDisplay shown = display;
        showDifferences(shown, analysed.differences);
        showReply(shown, analysed.differences);
    }
    watchLimits(analysed.limitChanges, nowMs);
}

void TT_ZUNOV::showReply(const ReplyDisplay &reply, const std::vector<Reading> &differences)
{
    if (reply.u1Text && !isHeld(Quantity::U1))
        ui->Label1->setText(*reply.u1Text);
    if (reply.u2Text && !isHeld(Quantity::U2))
        ui->Label->setText(*reply.u2Text);
    if (reply.resistanceSuffix && !isHeld(Quantity::Resistance))
        setLabelText(ui->RXXX, *reply.resistanceSuffix);
    if (reply.resistanceDigits && !isHeld(Quantity::Resistance))
        setLabelText(ui->RXX, *reply.resistanceDigits);
    if (reply.frequencyText && !isHeld(Quantity::Frequency))
        setLabelText(ui->Label12, *reply.frequencyText);
    if (reply.currentText && !isHeld(Quantity::Current))
        setLabelText(ui->Label11, *reply.currentText);

    if (reply.recognised && m_panels->text(StatusPanel::LinkState) != StatusPanel::OnlineText) {
        m_panels->setText(StatusPanel::LinkState, StatusPanel::OnlineText);
        // The tick has the last word on the link's state.
        wakeStatusTick();
    }
    m_panels->setText(StatusPanel::LastAction, reply.actionText);

    // The graph window's histories go on while it is hidden.
    if (reply.u1Point && m_windows)
        feed(m_windows->graph.PerformanceGraph1(), *reply.u1Point);
    if (reply.u2Point && m_windows)
        feed(m_windows->graph.PerformanceGraph2(), *reply.u2Point);
    if (reply.currentPoint)
        feed(ui->PerformanceGraph1, *reply.currentPoint);
    recordReply(reply.readings, differences, state.rx);
}

void TT_ZUNOV::CheckBox1Click(bool checked)
{
    if (!m_windows)
        return;
    if (checked)
        m_windows->graph.show();
    else
        m_windows->graph.close();
}

void TT_ZUNOV::graphWindowClosed()
{
    ui->CheckBox1->setChecked(false);
}
