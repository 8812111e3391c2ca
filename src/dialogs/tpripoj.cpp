#include "dialogs/tpripoj.h"

#include "platform/fixedwindow.h"
#include "platform/labeltext.h"
#include "ui_tpripoj.h"

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{811, 487};

} // namespace

TPripoj::TPripoj(QWidget *parent)
    : QWidget(parent, Qt::Window | FixedWindowFlags)
    , ui(std::make_unique<Ui::TPripoj>())
{
    ui->setupUi(this);
    for (QLabel *label : findChildren<QLabel *>())
        label->adjustSize();
    fixWindow(*this, WindowPosition, EscapeKey::Closes);
}

TPripoj::~TPripoj() = default;

void TPripoj::setStepText(const QString &text)
{
    setLabelText(ui->Label1, text);
}

void TPripoj::setSentByte(int value)
{
    setLabelText(ui->Label4, QString::number(value));
}

void TPripoj::setReceivedByte(int value)
{
    setLabelText(ui->Label5, QString::number(value));
}

void TPripoj::setProgress(int percent)
{
    ui->ProgressBar1->setValue(percent);
}
