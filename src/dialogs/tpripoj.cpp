#include "dialogs/tpripoj.h"

#include "platform/labeltext.h"
#include "ui_tpripoj.h"

#include <QShortcut>

TPripoj *Pripoj = nullptr;

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{811, 487};

// Each handshake step holds the window while it waits for the echo, so its
// texts are painted at once, not when the wait is over. The area the old
// text covered is painted too, in case the new one is shorter.
void showNow(QLabel *label, const QString &text)
{
    const QRect before = label->geometry();
    setLabelText(label, text);
    label->parentWidget()->repaint(before.united(label->geometry()));
}

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
    showNow(ui->Label1, text);
}

void TPripoj::setSentByte(int value)
{
    showNow(ui->Label4, QString::number(value));
}

void TPripoj::setReceivedByte(int value)
{
    showNow(ui->Label5, QString::number(value));
}

void TPripoj::setProgress(int percent)
{
    ui->ProgressBar1->setValue(percent);
}
