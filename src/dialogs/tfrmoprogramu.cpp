#include "dialogs/tfrmoprogramu.h"

#include "platform/fixedwindow.h"
#include "ui_tfrmoprogramu.h"

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{1016, 323};

} // namespace

TfrmOProgramu::TfrmOProgramu(QWidget *parent)
    : QDialog(parent, Qt::Dialog | FixedWindowFlags)
    , ui(std::make_unique<Ui::TfrmOProgramu>())
{
    ui->setupUi(this);
    for (QLabel *label : findChildren<QLabel *>())
        label->adjustSize();
    fixWindow(*this, WindowPosition, EscapeKey::LeftAlone);
    connect(ui->Button1, &QPushButton::clicked, this, &TfrmOProgramu::Button1Click);
}

TfrmOProgramu::~TfrmOProgramu() = default;

void TfrmOProgramu::Button1Click()
{
    close();
}
