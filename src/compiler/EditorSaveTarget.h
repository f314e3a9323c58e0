#pragma once

#include "compiler/SavePipeline.h"

class ISaveSource;
class QWidget;

// What a save of the window works on now.
TSaveTarget SaveTargetOf(ISaveSource& source);

// The colour a swatch shows, as the skin writes it.
TColor SwatchColor(const QWidget* swatch);
// The font a sample shows, with its colour.
TFont SampleFont(const QWidget* sample);
