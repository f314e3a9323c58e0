// Selecting an element in a preview and moving it with Alt held. Every
// preview control hands its mouse events here; what a click means is
// decided in this file only.

#include <algorithm>

#include <QCheckBox>
#include <QCursor>
#include <QFrame>
#include <QGroupBox>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include "controls/ElementControl.h"
#include "controls/SelectedElement.h"
#include "editor/QX_SE.h"
#include "tools/spLoupe.h"

namespace {

// Alt-dragging moves buttons, displays, labels, sliders and the like; the
// areas, the bars and the tab strip stay where the frame puts them.
bool IsDraggableKind(int kind) {
    return kind >= int(ElementKind::PushButton) && kind != int(ElementKind::TabBar);
}

bool ShowsPosition(int kind) {
    switch (ElementKind(kind)) {
    case ElementKind::AreaPanel:
    case ElementKind::BorderBar:
    case ElementKind::TabBar:
    case ElementKind::TextLabel:
        return false;
    default:
        return true;
    }
}

} // namespace

void TQXForm::LeftbarMouseDown(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                               int X, int Y) {
    Q_UNUSED(Button);
    if (!Sender)
        return;
    // Loading the element's values into the spin edits must not write them
    // back.
    PlacementArmed = false;

    const QPointer<QWidget> previous = SelectedElement;
    SelectedElement = Sender;
    if (previous)
        previous->update();
    Sender->update();

    spLoupe1->SetHold(CheckBox2->isChecked());
    spLoupe1->SetHoldPoint(QCursor::pos());

    Panel2->hide();
    Panel3->hide();

    const TElementControl* control = AsElementControl(Sender);
    const int kind = control ? control->Tag : -1;
    // Only a control that reports its moves can be dragged: the tab buttons
    // and the tray panels select on mouse down and hear nothing after it,
    // so a drag begun there would never see its release and would carry the
    // element along with the next hover anywhere else.
    if (control && IsDraggableKind(kind) && (Shift & Qt::AltModifier) && control->OnMouseMove) {
        FDragging = true;
        FDragOrigin = QPoint(X, Y);
    }

    ListView1->clear();
    GroupBox2->setTitle(Sender->objectName());
    switch (PageControl2->currentIndex()) {
    case 0:
        FillMainProperties(Sender);
        break;
    case 1:
        FillEqualizerProperties(Sender);
        Panel10->hide();
        break;
    case 2:
        FillTrayProperties(Sender);
        Panel10->hide();
        break;
    default:
        break;
    }

    SpinEdit1->setValue(Sender->x());
    SpinEdit2->setValue(Sender->y());
    PlacementArmed = true;
    Panel5->setVisible(ShowsPosition(kind));
}

void TQXForm::LeftBarMouseMove(QWidget* Sender, Qt::KeyboardModifiers Shift, int X, int Y) {
    Q_UNUSED(Sender);
    Q_UNUSED(Shift);
    QWidget* element = SelectedElement;
    if (!FDragging || !element)
        return;
    const QWidget* container = element->parentWidget();
    if (!container)
        return;
    // The lower bound first: an element wider than its container ends
    // flush with the container's right edge, at a negative left.
    int left = std::max(element->x() + X - FDragOrigin.x(), 0);
    left = std::min(left, container->width() - element->width());
    int top = std::max(element->y() + Y - FDragOrigin.y(), 0);
    top = std::min(top, container->height() - element->height());
    // The position lives in the control only; the save and a typed
    // position write it into the document.
    ::SetBounds(element, QRect(left, top, element->width(), element->height()));
}

void TQXForm::LeftBarMouseUp(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                             int X, int Y) {
    Q_UNUSED(Button);
    // The drag ends with the release even when showing the element fails.
    const auto endDrag = qScopeGuard([this] { FDragging = false; });
    LeftbarMouseDown(Sender, Qt::LeftButton, Shift, X, Y);
}

void TQXForm::SelectElementAsClick(QWidget* element) {
    LeftBarMouseUp(element, Qt::LeftButton, Qt::NoModifier, 0, 0);
}
