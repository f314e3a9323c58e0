#pragma once

#include <QImage>
#include <QString>

#include "storage/SkinVocabulary.h"

class QWidget;
class TSkinProject;

// What the pointer does to a button, as the player tracks it.
struct TButtonState {
    bool Hover = false;   // the pointer is over the button
    bool Pressed = false; // the left button went down on it and is still down
    bool Checked = false; // two-state buttons only
};

// The state suffix of the texture the player shows: push buttons "_NRM",
// "_SEL" under the pointer and "_DWN" while pressed with the pointer on
// them; two-state buttons "_UCH"/"_CHK" and their hover textures "_UCHS"/
// "_CHKS" (a press shows the hover texture until the release toggles).
// Empty for kinds that are no buttons.
QString ButtonStateSuffix(ElementKind kind, const TButtonState& state);

// The stem of the button's keys in its window, as the previews render it.
QString ButtonKey(TSkinWindow window, ElementKind kind, const QString& name);

// The button's texture in that state, cut from the window's bitmap. A
// state whose rectangle the skin does not give shows the resting texture,
// so a half-made skin keeps its buttons visible.
QImage ButtonStateTexture(TSkinWindow window, QWidget* button, const TButtonState& state,
                          TSkinProject& document, const QImage& bitmap);
