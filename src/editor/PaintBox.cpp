#include "editor/PaintBox.h"

#include <QPainter>

void TPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    emit OnPaint(painter);
}
