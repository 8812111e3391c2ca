#pragma once

#include <QString>

class QLabel;

// How wide a one-line status panel must be to paint a text whole, and how
// much of a given width is left for its text. A framed label paints its text
// inside the frame and margins and, on the side it is aligned to, half an
// "x" further in; its size hint asks for a whole "x", which a bar short of
// room may take back without cutting anything.
int panelWidthFor(QLabel *label, const QString &text);
int panelTextRoom(QLabel *label, int width);
