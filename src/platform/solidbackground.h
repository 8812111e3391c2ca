#pragma once

#include <QList>

class QLabel;
class QWidget;

// A label's background is transparent, so every change of its text makes
// the widgets behind it paint again, group box frames and titles included;
// on a display that is most of what a changed value costs. Each label here
// that has a single colour behind it gets that colour as its own background,
// which looks the same and lets it paint alone. A label with anything else
// behind it stays as it is.
void giveSolidBackgrounds(QWidget *window, const QList<QLabel *> &labels);
