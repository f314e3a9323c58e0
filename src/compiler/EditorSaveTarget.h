#pragma once

#include "compiler/SavePipeline.h"

class QWidget;
class TQXForm;

// What a save of the main window works on: its package and documents, its
// previews by their element names, the menu page's looks and the texts of
// the description page.
TSaveTarget SaveTargetOf(TQXForm& form);

// The colour a swatch shows, as the skin writes it.
TColor SwatchColor(const QWidget* swatch);
// The font a sample shows, with its colour.
TFont SampleFont(const QWidget* sample);
