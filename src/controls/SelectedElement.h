#pragma once

#include <QPointer>
#include <QWidget>

// The one preview control that is selected, or none. Every preview control
// compares itself with it while painting to decide on the green frame. A
// QPointer, so a control that dies never leaves a dangling selection behind.
// Changing it repaints nothing: whoever changes it repaints the old and the
// new control.
extern QPointer<QWidget> SelectedElement;

// While it lives there is no selection, so photographs of the previews (and
// what a save makes of them) show no frame; the selection comes back after.
class TSelectionSetAside {
public:
    TSelectionSetAside() : FSelected(SelectedElement) { SelectedElement = nullptr; }
    ~TSelectionSetAside() {
        SelectedElement = FSelected;
        if (FSelected)
            FSelected->update();
    }
    TSelectionSetAside(const TSelectionSetAside&) = delete;
    TSelectionSetAside& operator=(const TSelectionSetAside&) = delete;

private:
    QPointer<QWidget> FSelected;
};
