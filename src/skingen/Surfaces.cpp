#include "skingen/Surfaces.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPainter>

#include "skingen/SkinPalette.h"

void FillGradient(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

void DrawWell(QPainter& painter, const QRect& rect, const QColor& fill, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(rect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::BevelLight.darker(130));
    painter.drawRoundedRect(r, radius + 0.5, radius + 0.5);
    painter.setBrush(Palette::LcdEdge);
    painter.drawRoundedRect(r.adjusted(0, 0, 0, -1), radius + 0.5, radius + 0.5);
    painter.setBrush(fill);
    painter.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
    painter.restore();
}

void DrawPlate(QPainter& painter, const QRectF& rect, TPlateState state, qreal radius) {
    QColor top = Palette::PlateTop, bottom = Palette::PlateBottom, shine = Palette::PlateShine;
    if (state == TPlateState::Hover) {
        top = Palette::PlateHoverTop;
        bottom = Palette::PlateHoverBottom;
        shine = Palette::PlateShine.lighter(115);
    } else if (state == TPlateState::Down) {
        top = Palette::PlateDownTop;
        bottom = Palette::PlateDownBottom;
        shine = Palette::PlateDownBottom;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::PlateEdge);
    painter.drawRoundedRect(rect, radius, radius);
    const QRectF inner = rect.adjusted(1, 1, -1, -1);
    QLinearGradient gradient(inner.topLeft(), inner.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.setBrush(shine);
    painter.drawRoundedRect(inner, radius - 0.5, radius - 0.5);
    painter.setBrush(gradient);
    painter.drawRoundedRect(inner.adjusted(0, 1, 0, 0), radius - 0.5, radius - 0.5);
    painter.restore();
}

void DrawGroove(QPainter& painter, const QRect& rect, Qt::Orientation orientation, bool filled) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool horizontal = orientation == Qt::Horizontal;
    const int thickness = 4;
    QRectF groove = horizontal ? QRectF(rect.x() + 1, rect.center().y() - 1.5, rect.width() - 2,
                                        thickness)
                               : QRectF(rect.center().x() - 1.5, rect.y() + 1, thickness,
                                        rect.height() - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::BevelLight.darker(140));
    painter.drawRoundedRect(groove.adjusted(-0.5, -0.5, 0.5, 1), 2.5, 2.5);
    painter.setBrush(Palette::LcdEdge);
    painter.drawRoundedRect(groove.adjusted(-0.5, -0.5, 0.5, 0.5), 2.5, 2.5);
    if (filled) {
        QLinearGradient glow(groove.topLeft(), horizontal ? groove.bottomLeft() : groove.topRight());
        glow.setColorAt(0, Palette::AccentBright);
        glow.setColorAt(0.5, Palette::Accent);
        glow.setColorAt(1, Palette::AccentDeep);
        painter.setBrush(glow);
    } else {
        painter.setBrush(Palette::Groove.darker(120));
    }
    painter.drawRoundedRect(groove.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    painter.restore();
}

void DrawKnob(QPainter& painter, const QRectF& rect, Qt::Orientation orientation) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal radius = std::min(rect.width(), rect.height()) / 2.0 - 0.5;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Outline);
    painter.drawRoundedRect(rect, radius + 0.5, radius + 0.5);
    const QRectF body = rect.adjusted(1, 1, -1, -1);
    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0, Palette::ThumbTop);
    metal.setColorAt(1, Palette::ThumbBottom);
    painter.setBrush(metal);
    painter.drawRoundedRect(body, radius - 0.5, radius - 0.5);
    // A notch in the accent marks the knob's position on the scale.
    painter.setBrush(Palette::AccentDeep);
    const QPointF c = body.center();
    if (orientation == Qt::Horizontal)
        painter.drawRect(QRectF(c.x() - 0.5, body.top() + 2, 1, body.height() - 4));
    else
        painter.drawRect(QRectF(body.left() + 2, c.y() - 0.5, body.width() - 4, 1));
    painter.restore();
}

void KeyOutside(QImage& image, const QRect& area, const QPainterPath& shape) {
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (!shape.contains(QPointF(x + 0.5, y + 0.5)))
                image.setPixelColor(x, y, Palette::Key);
}

namespace {

// How deep the pixel centre lies inside the rounded rectangle (negative:
// outside), and whether the nearest edge runs horizontally.
struct TDepth {
    double Depth;
    bool Horizontal;
    bool TopOrLeft;
};

TDepth DepthOf(const QRect& rect, int radius, int x, int y) {
    const double px = x + 0.5 - rect.x(), py = y + 0.5 - rect.y();
    const double w = rect.width(), h = rect.height();
    const double cx = std::clamp(px, double(radius), w - radius);
    const double cy = std::clamp(py, double(radius), h - radius);
    const double dx = px - cx, dy = py - cy;
    if (dx != 0 && dy != 0) {
        const bool horizontal = std::abs(dy) >= std::abs(dx);
        const bool topOrLeft = horizontal ? dy < 0 : dx < 0;
        return {radius - std::hypot(dx, dy), horizontal, topOrLeft};
    }
    const double edges[] = {px, py, w - px, h - py};
    const int nearest = int(std::min_element(std::begin(edges), std::end(edges)) - edges);
    return {edges[nearest], nearest == 1 || nearest == 3, nearest < 2};
}

} // namespace

void PaintFrame(QImage& image, const QRect& rect, int radius) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const TDepth d = DepthOf(rect, radius, x, y);
            if (d.Depth < 0)
                image.setPixelColor(x, y, Palette::Key);
            else if (d.Depth < 1)
                image.setPixelColor(x, y, Palette::Outline);
            else if (d.Depth < 2)
                image.setPixelColor(x, y, d.TopOrLeft ? Palette::BevelLight : Palette::BevelDark);
        }
}
