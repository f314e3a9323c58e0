#include "controls/ElementControl.h"

#include <QMouseEvent>
#include <QRect>
#include <QWidget>

#include "editor/ErrorBox.h"

TElementControl::TElementControl(QWidget* self) : FSelf(self) {
    // The classic controls report moves without a button held too.
    self->setMouseTracking(true);
}

QString TElementControl::Name() const {
    return FSelf->objectName();
}

void TElementControl::SetName(const QString& name) {
    FSelf->setObjectName(name);
    FSelf->setAccessibleName(name);
}

void TElementControl::SetBounds(int left, int top, int width, int height) {
    ::SetBounds(FSelf, QRect(left, top, width, height));
}

void TElementControl::MouseDown(const QMouseEvent* event) const {
    if (!OnMouseDown)
        return;
    const QPoint at = event->position().toPoint();
    Guarded(FSelf,
            [&] { OnMouseDown(FSelf, event->button(), event->modifiers(), at.x(), at.y()); });
}

void TElementControl::MouseMove(const QMouseEvent* event) const {
    if (!OnMouseMove)
        return;
    const QPoint at = event->position().toPoint();
    Guarded(FSelf, [&] { OnMouseMove(FSelf, event->modifiers(), at.x(), at.y()); });
}

void TElementControl::MouseUp(const QMouseEvent* event) const {
    const QPoint at = event->position().toPoint();
    // As in the classic toolkit the click comes before the mouse-up.
    if (OnClick && event->button() == Qt::LeftButton && FSelf->rect().contains(at))
        Guarded(FSelf, [&] { OnClick(FSelf); });
    if (OnMouseUp)
        Guarded(FSelf,
                [&] { OnMouseUp(FSelf, event->button(), event->modifiers(), at.x(), at.y()); });
}

TElementControl* AsElementControl(QWidget* widget) {
    return dynamic_cast<TElementControl*>(widget);
}
