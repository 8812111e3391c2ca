#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// The program's small windows: a title bar with the system menu and the
// close box only, no minimise or maximise box.
inline constexpr Qt::WindowFlags FixedWindowFlags =
    Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

enum class EscapeKey { Closes, LeftAlone };

// Gives a window the size its form has, for good, and puts its outer corner
// (frame included) at position. EscapeKey::Closes makes Esc do what the
// close box does; a dialog does that by itself.
void fixWindow(QWidget &window, QPoint position, EscapeKey escape);
