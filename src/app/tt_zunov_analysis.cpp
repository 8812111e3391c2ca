// The main window's "Analýza" menu, the statistics of every reading that its
// windows show, and the HOLD of a quantity's shown value.
#include "app/tt_zunov.h"
#include "dialogs/statisticswindow.h"
#include "ui_tt_zunov.h"

#include <QDateTime>
#include <QLabel>

namespace {

const QString HoldText = QStringLiteral("HOLD");

// Where each quantity's marker goes: a free corner of the value's frame,
// clear of every control that was there before.
struct MarkerPlace
{
    const char *frame;
    QRect geometry;
};

constexpr std::array<MarkerPlace, AllQuantities.size()> MarkerPlaces{{
    {"GroupBox2", {140, 86, 40, 16}}, // U1
    {"GroupBox1", {140, 86, 40, 16}}, // U2
    {"GroupBox4", {8, 92, 40, 16}},   // R
    {"GroupBox5", {184, 4, 38, 16}},  // f
    {"GroupBox7", {132, 4, 40, 16}},  // I
}};

} // namespace

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

void TT_ZUNOV::holdValue(Quantity quantity, bool held)
{
    QLabel *&marker = m_held[size_t(quantity)];
    if (held == (marker != nullptr))
        return;
    if (!held) {
        delete marker;
        marker = nullptr;
        return;
    }
    const MarkerPlace &place = MarkerPlaces[size_t(quantity)];
    auto *frame = findChild<QWidget *>(QLatin1String(place.frame));
    marker = new QLabel(HoldText, frame);
    marker->setObjectName(QStringLiteral("Hold") + quantityName(quantity).toString());
    marker->setGeometry(place.geometry);
    marker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    marker->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    marker->show();
}

void TT_ZUNOV::addToStatistics(const std::vector<Reading> &readings)
{
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    for (const Reading &reading : readings)
        m_statistics.add(reading, nowMs);
}
