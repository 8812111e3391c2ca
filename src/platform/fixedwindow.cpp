#include "platform/fixedwindow.h"

#include <QShortcut>
#include <QWidget>

void fixWindow(QWidget &window, QPoint position, EscapeKey escape)
{
    window.setFixedSize(window.size());
    window.move(position);
    if (escape == EscapeKey::Closes)
        new QShortcut(QKeySequence::Cancel, &window, &window, &QWidget::close);
}
