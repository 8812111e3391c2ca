// The main window's "Analýza" menu, and the statistics of every reading that
// its windows show.
#include "app/tt_zunov.h"
#include "dialogs/statisticswindow.h"
#include "ui_tt_zunov.h"

#include <QDateTime>

void TT_ZUNOV::setUpAnalysisMenu()
{
    connect(ui->Statistika1, &QAction::triggered, this, &TT_ZUNOV::Statistika1Click);
}

void TT_ZUNOV::Statistika1Click()
{
    if (!m_windows)
        return;
    m_windows->statistics.show();
    m_windows->statistics.raise();
    m_windows->statistics.activateWindow();
}

void TT_ZUNOV::addToStatistics(const std::vector<Reading> &readings)
{
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    for (const Reading &reading : readings)
        m_statistics.add(reading, nowMs);
}
