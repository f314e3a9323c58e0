#pragma once

#include "graphics/VESKColor.h"

class QWidget;

// Shows a colour on a swatch and keeps the value as the skin writes it (a
// system colour stays one), which is what a save and the next edit read
// back (SwatchColor).
void SetSwatchColor(QWidget* swatch, TColor color);
