#pragma once

#include <QImage>

#include "graphics/VESKColor.h"
#include "graphics/VESKRect.h"

class QPainter;

// Texture cutting and drawing. Drawing images are QImage::Format_RGB32.

// Draws bitmap with its top left corner at x, y, leaving out every pixel of
// exactly the key colour.
void DrawTransparent(QPainter& canvas, int x, int y, TColor key, const QImage& bitmap);

// The largest texture CutRect makes; a rectangle beyond either limit (only a
// broken or hostile file names one) cuts an empty image.
constexpr int kMaxCutSide = 16384;
constexpr qint64 kMaxCutPixels = qint64(4096) * 4096;

// dest becomes exactly the pixels of r in source (right and bottom
// exclusive). Parts of r outside the source are black, as a copy from
// outside a bitmap gives; an empty or inverted r gives a null image.
void CutRect(QImage& dest, const QImage& source, const TRect& r);

// Fills width x height at x, y from a source of three parts: a first cap of
// `first` pixels drawn once, a middle tiled count + 1 times and a second cap
// of `second` pixels drawn once at the far end. Vertical unless horizontal.
// Nothing is drawn outside the target rectangle. The caps are excluded from
// the painter's clip region, and stay excluded after the call. The first cap
// keeps the source's size; the second cap and the tiles are stretched to the
// target's cross dimension.
void DrawTiled(QPainter& canvas, int width, int height, const QImage& source, int first, int second,
               bool horizontal, int x, int y);

// Fills target with top at the top, bottom at the bottom and centre tiled in
// between.
void DrawThreeParts(QImage& target, const QImage& top, const QImage& centre, const QImage& bottom);
