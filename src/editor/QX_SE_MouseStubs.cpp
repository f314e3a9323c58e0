#include "editor/QX_SE.h"

// Placeholders of the preview mouse handlers, so the previews can bind to
// them; the selection and Alt-drag code replaces this file with its own.
void TQXForm::LeftbarMouseDown(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                               int X, int Y) {
    Q_UNUSED(Sender);
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
}

void TQXForm::LeftBarMouseMove(QWidget* Sender, Qt::KeyboardModifiers Shift, int X, int Y) {
    Q_UNUSED(Sender);
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
}

void TQXForm::LeftBarMouseUp(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                             int X, int Y) {
    Q_UNUSED(Sender);
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
}
