#pragma once

#include "graphics/VESKColor.h"
#include "graphics/VESKFont.h"

class QWidget;

// Shows a colour on a swatch and keeps the value as the skin writes it (a
// system colour stays one), which is what a save and the next edit read
// back (SwatchColor).
void SetSwatchColor(QWidget* swatch, TColor color);

// Shows a font on a sample, on the colour the font is drawn on, and keeps
// the font as the skin writes it (a system colour, a height of 0), which is
// what a save reads back (SampleFont).
void SetSampleFont(QWidget* sample, const TFont& font, TColor background);
