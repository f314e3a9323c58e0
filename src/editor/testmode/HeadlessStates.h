#pragma once

#include <QString>

#include "editor/testmode/TestMode.h"

class TPreviewTrees;

// The states a picture of a preview can show its buttons in.
enum class TPreviewState { Rest, Hover, Pressed, Checked };

// "rest", "hover", "pressed", "checked"; false for any other word.
bool ParsePreviewState(const QString& word, TPreviewState& state);

// Every button of the window, or only the named one, shown in the state as
// the test mode shows it: hover is the pointer over it, pressed the left
// button held down on it, checked a two-state button switched on (push
// buttons stay at rest). An empty name means every button. False, and
// nothing changes, when the name is none of the window's buttons.
bool ShowPreviewState(const TPreviewTrees& trees, TSkinWindow window, const TTestPage& page,
                      TPreviewState state, const QString& element = QString());
