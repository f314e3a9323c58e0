#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>

class QPainter;

// Drawing primitives shared by the window painters: fills, wells, plates,
// grooves, thumbs, and the per-pixel frame that shapes a window with the key
// colour. Everything antialiased is drawn on opaque ground; the key colour is
// only ever set pixel by pixel, so no blend of it can leak into a texture.

void FillGradient(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom);

// A recessed area: its fill, a dark rim and a one-pixel light lip below.
void DrawWell(QPainter& painter, const QRect& rect, const QColor& fill, qreal radius);

enum class TPlateState { Normal, Hover, Down };
// A raised button body filling the rectangle.
void DrawPlate(QPainter& painter, const QRectF& rect, TPlateState state, qreal radius);

// Slider tracks and knobs; fill tints the groove with the accent.
void DrawGroove(QPainter& painter, const QRect& rect, Qt::Orientation orientation, bool filled);
void DrawKnob(QPainter& painter, const QRectF& rect, Qt::Orientation orientation);

// Every pixel of the area whose centre lies outside the shape becomes the
// key colour.
void KeyOutside(QImage& image, const QRect& area, const QPainterPath& shape);

// A window outline with rounded corners, drawn pixel by pixel into the
// image's rectangle: outside the corners the key colour, then a ring of
// outline and a ring of bevel (light along the top and left, dark along the
// bottom and right). Pixels further in are left as they are.
void PaintFrame(QImage& image, const QRect& rect, int radius);
