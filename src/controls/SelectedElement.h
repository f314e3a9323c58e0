#pragma once

#include <QPointer>
#include <QWidget>

// The one preview control that is selected, or none. Every preview control
// compares itself with it while painting to decide on the green frame. A
// QPointer, so a control that dies never leaves a dangling selection behind.
// Changing it repaints nothing: whoever changes it repaints the old and the
// new control.
extern QPointer<QWidget> SelectedElement;
