#pragma once

#include <functional>

#include <QString>
#include <Qt>

#include "controls/AlignLayout.h"
#include "storage/SkinVocabulary.h"

class QMouseEvent;
class QWidget;

// Mouse handlers as the main window binds them: the control that got the
// event, the button, the modifier keys and the position in the control's
// own coordinates.
using TMouseEvent = std::function<void(QWidget* sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x, int y)>;
using TMouseMoveEvent =
    std::function<void(QWidget* sender, Qt::KeyboardModifiers shift, int x, int y)>;
using TNotifyEvent = std::function<void(QWidget* sender)>;

// What every preview control has besides its looks: the element kind in its
// tag, the element name, the alignment in its container, and mouse events
// that it hands to whatever handlers the main window binds. The controls
// never decide what a click means.
class TElementControl {
public:
    virtual ~TElementControl() = default;
    TElementControl(const TElementControl&) = delete;
    TElementControl& operator=(const TElementControl&) = delete;

    // The element's ElementKind as an integer.
    int Tag = 0;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;

    ElementKind Kind() const { return ElementKind(Tag); }

    // The element name is the stem of its INI keys; it is both the object
    // name and the accessible name of the control.
    QString Name() const;
    void SetName(const QString& name);

    TAlign Align() const { return AlignOf(FSelf); }
    void SetAlign(TAlign align) { ::SetAlign(FSelf, align); }
    void SetBounds(int left, int top, int width, int height);

    QWidget* Control() const { return FSelf; }

protected:
    explicit TElementControl(QWidget* self);

    // Called from the widget's mouse event overrides. Handlers run through
    // the error box: an error must not unwind through Qt's event loop.
    void MouseDown(const QMouseEvent* event) const;
    void MouseMove(const QMouseEvent* event) const;
    void MouseUp(const QMouseEvent* event) const;

private:
    QWidget* FSelf;
};

// The preview control behind a widget, or nullptr for any other widget.
TElementControl* AsElementControl(QWidget* widget);
