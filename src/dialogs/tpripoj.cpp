#include "dialogs/tpripoj.h"

#include "platform/labeltext.h"
#include "ui_tpripoj.h"

#include <QShortcut>

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{811, 487};

} // namespace

TPripoj::TPripoj(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TPripoj>())
{
    ui->setupUi(this);
    for (QLabel *label : findChildren<QLabel *>())
        label->adjustSize();
    setFixedSize(size());
    move(WindowPosition);
    // Esc does what the close box does: it hides the window.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
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
