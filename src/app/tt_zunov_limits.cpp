// The main window's watch on the limits: the "Meze" window's settings kept
// in the settings file, a value drawn in red while it is outside, the status
// bar saying which limit, a beep, and the recording a violation starts.
#include "app/tt_zunov.h"
#include "config/configuration.h"
#include "dialogs/limitswindow.h"
#include "platform/messages.h"
#include "platform/profilefile.h"
#include "record/historyrows.h"
#include "record/rotatingrecord.h"
#include "ui_tt_zunov.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace {

const QColor ViolationColour(200, 0, 0);
// %1 is the quantity's name; translated where they are shown.
const char *const BelowText = QT_TRANSLATE_NOOP("TT_ZUNOV", "%1 pod dolní mezí");
const char *const AboveText = QT_TRANSLATE_NOOP("TT_ZUNOV", "%1 nad horní mezí");

} // namespace

void TT_ZUNOV::setUpLimits()
{
    connect(ui->Meze1, &QAction::triggered, this, &TT_ZUNOV::Meze1Click);
    m_limitStatus = new QLabel(this);
    m_limitStatus->setObjectName(QStringLiteral("LimitStatus"));
    m_limitStatus->setStyleSheet(QStringLiteral("color: #c80000; font-weight: bold;"));
    // Beside the panels, and only while a limit is violated, so that the
    // panels keep their place otherwise.
    ui->StatusBar1->addPermanentWidget(m_limitStatus);
    m_limitStatus->hide();
    useLimits(readLimitSettings(ProfileFile(configurationFilePath())));
}

void TT_ZUNOV::Meze1Click()
{
    if (!m_windows)
        return;
    m_windows->limits.showSettings(m_limitSettings);
    m_windows->limits.show();
    m_windows->limits.raise();
    m_windows->limits.activateWindow();
}

bool TT_ZUNOV::applyLimits(const LimitSettings &settings)
{
    const bool kept = reportingErrors([&settings] {
        ProfileFile file(configurationFilePath());
        writeLimitSettings(file, settings);
    });
    if (kept)
        useLimits(settings);
    return kept;
}

void TT_ZUNOV::useLimits(const LimitSettings &settings)
{
    m_limitSettings = settings;
    for (Quantity quantity : AllQuantities)
        m_analysis.setLimits(quantity, settings.of(quantity));
    if (m_recordingTriggered)
        stopRecording();
    m_recordingTriggered = false;
    m_trigger.reset();
    if (settings.triggeredRecording)
        m_trigger.emplace(settings.preTriggerSeconds * 1000LL,
                          settings.postTriggerSeconds * 1000LL);
    showLimitState();
}

void TT_ZUNOV::watchLimits(const std::vector<QuantityLimitChange> &changes, qint64 nowMs)
{
    for (const QuantityLimitChange &change : changes) {
        if (change.change.state != LimitState::Inside && m_limitSettings.beep)
            QApplication::beep();
        if (m_trigger && m_trigger->add(change.change))
            startTriggeredRecording(m_trigger->historyFromMs(), nowMs);
    }
    if (m_trigger && m_trigger->tick(nowMs) && m_recordingTriggered) {
        m_recordingTriggered = false;
        stopRecording();
    }
    if (!changes.empty())
        showLimitState();
}

void TT_ZUNOV::startTriggeredRecording(qint64 fromMs, qint64 nowMs)
{
    // A recording the user runs goes on as it is: it holds these rows anyway.
    if (isRecording())
        return;
    if (!startRecording(m_limitSettings.recordingPath))
        return;
    m_recordingTriggered = true;
    // The readings before the violation come first; the reply that started
    // it has been recorded only in the history so far.
    if (!m_recording->append(historyRows(m_analysis.history(), fromMs, nowMs))) {
        m_recordingTriggered = false;
        stopRecording();
    }
}

void TT_ZUNOV::showLimitState()
{
    QStringList violations;
    for (Quantity quantity : AllQuantities) {
        const LimitState state = m_analysis.limitMonitor(quantity).state();
        const bool outside = state != LimitState::Inside;
        for (QLabel *label : valueLabelsOf(quantity)) {
            QPalette palette = label->palette();
            const QColor colour = outside
                                      ? ViolationColour
                                      : ui->centralwidget->palette().color(QPalette::WindowText);
            palette.setColor(QPalette::Active, QPalette::WindowText, colour);
            palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
            label->setPalette(palette);
        }
        if (outside) {
            violations << tr(state == LimitState::Below ? BelowText : AboveText)
                              .arg(quantityName(quantity));
        }
    }
    m_limitStatus->setText(violations.join(QStringLiteral(", ")));
    m_limitStatus->setVisible(!violations.isEmpty());
}

QList<QLabel *> TT_ZUNOV::valueLabelsOf(Quantity quantity) const
{
    switch (quantity) {
    case Quantity::U1:
        return {ui->Label1};
    case Quantity::U2:
        return {ui->Label};
    case Quantity::Resistance:
        return {ui->RXX, ui->RXXX};
    case Quantity::Frequency:
        return {ui->Label12};
    case Quantity::Current:
        return {ui->Label11};
    }
    return {};
}
