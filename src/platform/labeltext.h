#pragma once

#include <QLabel>

// Labels whose layout is not centred grow with their text from their left
// and top, so that no digit or unit is ever cut off.
inline void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}
