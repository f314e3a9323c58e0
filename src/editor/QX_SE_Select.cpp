// Selecting an element in a preview and moving it: dragged with Alt held,
// with the middle button or in move mode, or nudged with the arrow keys.
// Every preview control hands its mouse events here; what a click means is
// decided in this file only.

#include <algorithm>

#include <QCheckBox>
#include <QCursor>
#include <QFrame>
#include <QGroupBox>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
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

// Only a control that reports its moves can be dragged: the tab buttons and
// the tray panels select on mouse down and hear nothing after it, so a drag
// begun there would never see its release and would carry the element along
// with the next hover anywhere else. What cannot be dragged is not nudged.
bool IsMovable(const TElementControl* control) {
    return control && IsDraggableKind(control->Tag) && control->OnMouseMove;
}

// Window managers take Alt-drag for moving whole windows; the middle button
// and the move mode get through everywhere.
bool StartsMove(Qt::MouseButton button, Qt::KeyboardModifiers keys, bool moveMode) {
    return (keys & Qt::AltModifier) || button == Qt::MiddleButton ||
           (moveMode && button == Qt::LeftButton);
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
    if (IsMovable(control) && StartsMove(Button, Shift, MoveModeButton->isChecked())) {
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
    // The position lives in the control only; the save and a typed
    // position write it into the document.
    MoveElementTo(element, DragTarget(element, QPoint(X, Y) - FDragOrigin), false);
}

QPoint TQXForm::DragTarget(const QWidget* element, QPoint by) {
    const QWidget* container = element->parentWidget();
    // The lower bound first: an element wider than its container ends
    // flush with the container's right edge, at a negative left.
    int left = std::max(element->x() + by.x(), 0);
    left = std::min(left, container->width() - element->width());
    int top = std::max(element->y() + by.y(), 0);
    top = std::min(top, container->height() - element->height());
    return {left, top};
}

bool TQXForm::NudgeSelectedElement(QWidget* page, int key, Qt::KeyboardModifiers keys) {
    QPoint by;
    switch (key) {
    case Qt::Key_Left:
        by = {-1, 0};
        break;
    case Qt::Key_Right:
        by = {1, 0};
        break;
    case Qt::Key_Up:
        by = {0, -1};
        break;
    case Qt::Key_Down:
        by = {0, 1};
        break;
    default:
        return false;
    }
    if (keys & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    QWidget* element = SelectedElement;
    const TElementControl* control = AsElementControl(element);
    if (!IsMovable(control) || !page->isAncestorOf(element) || !element->parentWidget())
        return false;
    // Stored as a typed position is: the arrows step the position as its
    // spin edits would.
    MoveElementTo(element, DragTarget(element, keys & Qt::ShiftModifier ? by * 10 : by), true);
    PlacementArmed = false;
    const auto rearm = qScopeGuard([this] { PlacementArmed = true; });
    SpinEdit1->setValue(element->x());
    SpinEdit2->setValue(element->y());
    if (control->Kind() == ElementKind::TextLabel) {
        SpinEdit3->setValue(element->x());
        SpinEdit4->setValue(element->y());
    }
    return true;
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
