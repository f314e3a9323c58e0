#pragma once

#include <QImage>
#include <QRect>

// What the editor's own windows show in a rectangle of desktop coordinates,
// drawn by the widgets themselves rather than read from the screen: the
// magnifier's picture where the screen cannot be read (Wayland, or a grab
// that answers black). Windows stack as a desktop would show them: the
// active window above the others, a modal dialog and popups above that.
// Whatever no window covers is black.
QImage OwnWindowsImage(const QRect& area);
