// The main window's "Analýza" menu, and the HOLD and REL of a quantity's
// shown value with their marker beside it.
#include "app/tt_zunov.h"
#include "dialogs/statisticswindow.h"
#include "dialogs/sweepwindow.h"
#include "dialogs/trendwindow.h"
#include "ui_tt_zunov.h"

#include <QLabel>
#include <algorithm>

namespace {

const QString HoldMark = QStringLiteral("HOLD");
const QString RelativeMark = QStringLiteral("REL");

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

void bringUp(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void TT_ZUNOV::setUpAnalysisMenu()
{
    connect(ui->Statistika1, &QAction::triggered, this, &TT_ZUNOV::Statistika1Click);
    connect(ui->Prubeh1, &QAction::triggered, this, &TT_ZUNOV::Prubeh1Click);
    connect(ui->Rozmitani1, &QAction::triggered, this, &TT_ZUNOV::Rozmitani1Click);
}

void TT_ZUNOV::Statistika1Click()
{
    if (m_windows)
        bringUp(m_windows->statistics);
}

void TT_ZUNOV::Prubeh1Click()
{
    if (m_windows)
        bringUp(m_windows->trend);
}

void TT_ZUNOV::Rozmitani1Click()
{
    if (m_windows)
        bringUp(m_windows->sweep);
}

void TT_ZUNOV::holdValue(Quantity quantity, bool held)
{
    m_held[size_t(quantity)] = held;
    showMarker(quantity);
}

bool TT_ZUNOV::showRelative(Quantity quantity, bool relative)
{
    RelativeValues &values = m_analysis.relative();
    if (!relative)
        values.release(quantity);
    else if (!values.capture(quantity))
        return false;
    showMarker(quantity);
    return true;
}

void TT_ZUNOV::showMarker(Quantity quantity)
{
    QStringList marks;
    if (m_analysis.relative().reference(quantity))
        marks << RelativeMark;
    if (isHeld(quantity))
        marks << HoldMark;
    QLabel *&marker = m_markers[size_t(quantity)];
    if (marks.isEmpty()) {
        delete marker;
        marker = nullptr;
        return;
    }
    const MarkerPlace &place = MarkerPlaces[size_t(quantity)];
    if (!marker) {
        marker = new QLabel(findChild<QWidget *>(QLatin1String(place.frame)));
        marker->setObjectName(QStringLiteral("Marker") + quantityName(quantity).toString());
        marker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        marker->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    }
    marker->setText(marks.join(QLatin1Char(' ')));
    // Grown to the left from the corner's right edge, so that both marks fit
    // and the corner stays where it was.
    QRect geometry = place.geometry;
    geometry.setLeft(std::min(geometry.left(), geometry.right() - marker->sizeHint().width()));
    marker->setGeometry(geometry);
    marker->show();
}
