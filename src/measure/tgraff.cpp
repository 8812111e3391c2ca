#include "measure/tgraff.h"

#include "measure/tperformancegraph.h"
#include "platform/fixedwindow.h"
#include "ui_tgraff.h"

#include <QCloseEvent>

namespace {

constexpr QPoint WindowPosition{203, 134};

// The graphs are fed raw bytes, so a gradient of 255 keeps the full height at
// 255 whenever the history holds anything but zeros.
constexpr int GraphStepSize = 5;
constexpr int GraphGradient = 255;

// Only the check box shows and hides this window, so the title bar carries a
// caption and nothing else: no system menu, no minimise, maximise or close.
constexpr Qt::WindowFlags WindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

void configure(TPerformanceGraph *graph)
{
    // The form has already given the graph its final width, so the ring that
    // SetStepSize sizes fits the picture.
    graph->SetStepSize(GraphStepSize);
    graph->SetGradient(GraphGradient);
}

} // namespace

TGraff::TGraff(QWidget *parent)
    : QWidget(parent, WindowFlags)
    , ui(std::make_unique<Ui::TGraff>())
{
    ui->setupUi(this);
    configure(ui->PerformanceGraph1);
    configure(ui->PerformanceGraph2);
    ui->Label1->adjustSize();
    ui->Label2->adjustSize();
    // Shown and hidden by the main window's check box alone.
    fixWindow(*this, WindowPosition, EscapeKey::LeftAlone);
}

TGraff::~TGraff() = default;

TPerformanceGraph *TGraff::PerformanceGraph1() const
{
    return ui->PerformanceGraph1;
}

TPerformanceGraph *TGraff::PerformanceGraph2() const
{
    return ui->PerformanceGraph2;
}

// A window manager may still offer a close; it hides the window and keeps it,
// histories and all, for the check box to show again.
void TGraff::closeEvent(QCloseEvent *event)
{
    hide();
    event->ignore();
    emit closed();
}
