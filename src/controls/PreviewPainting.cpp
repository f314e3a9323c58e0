#include "controls/PreviewPainting.h"

#include <QPainter>
#include <QPen>

namespace {

void DrawFrame(QPainter& painter, const QSize& size, const QPen& pen) {
    if (size.width() <= 0 || size.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A cosmetic pen outlines QRect(x, y, w, h) on the pixels x to x + w, so
    // one less than the size covers exactly the control's own pixels.
    painter.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    painter.restore();
}

QPen CosmeticPen(const QColor& colour) {
    QPen pen(colour);
    pen.setWidth(0);
    return pen;
}

} // namespace

QColor BlankColor() {
    return ColorToQColor(clWindow);
}

QColor SelectionColor() {
    return QColor(0, 255, 0);
}

void DrawBoundsOutline(QPainter& painter, const QSize& size) {
    QPen pen = CosmeticPen(Qt::black);
    // Qt's own DashDotLine (4, 2, 1, 2) is much finer than the classic pen;
    // this is the classic one in pixels.
    pen.setDashPattern({9, 6, 3, 6});
    DrawFrame(painter, size, pen);
}

void DrawSelectionFrame(QPainter& painter, const QSize& size) {
    DrawFrame(painter, size, CosmeticPen(SelectionColor()));
}

void DrawGuides(QPainter& painter, const QSize& size, int offL, int offR) {
    // Filled one-pixel columns rather than lines: exact whatever the
    // rasteriser makes of a line's end points. A guide outside the control
    // would be clipped away anyway, and the offsets are free integers, so
    // such a guide is not drawn at all; 64-bit so no offset can overflow.
    const qint64 columns[] = {offL, qint64(size.width()) - offR + 1};
    for (const qint64 x : columns)
        if (x >= 0 && x < size.width() && size.height() > 0)
            painter.fillRect(QRect(int(x), 0, 1, size.height()), SelectionColor());
}
