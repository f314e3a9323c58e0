#pragma once

#include <QColor>
#include <QSize>

#include "graphics/VESKColor.h"

class QPainter;

// Drawing shared by every preview control, so that outline, selection frame
// and blank areas look the same on buttons, panels, labels and displays.

// The classic toolkit's window colour: the colour of a custom control's own
// background and of a freshly made bitmap there. Areas that no texture covers
// show it, on screen and in rendered images alike.
constexpr TColor clWindow = TColor(0xFF000005);
QColor BlankColor();

// The selection colour: pure green.
QColor SelectionColor();

// Black dash-dot outline of the rectangle (0, 0)-(size): the pixels 0 to
// width - 1 and 0 to height - 1 along the edges. The pattern is the classic
// cosmetic dash-dot, 9 pixels on, 6 off, 3 on, 6 off; the gaps stay
// transparent, as they do under a clear brush.
void DrawBoundsOutline(QPainter& painter, const QSize& size);

// Solid pure green frame on the same pixels.
void DrawSelectionFrame(QPainter& painter, const QSize& size);

// The border guides of a selected panel: vertical green lines at x = offL
// and x = width - offR + 1, from row 0 to row height - 1 (a classic line
// leaves out its end point).
void DrawGuides(QPainter& painter, const QSize& size, int offL, int offR);
