#pragma once

#include <optional>

#include <QImage>
#include <QPoint>

#include "graphics/VESKRect.h"

// Finding the sprites of a texture sheet: the pieces of picture that the
// magenta key colour separates. Everything outside the sheet counts as key
// colour, so a sprite that touches the sheet's edge ends there.
//
// The image must be Format_RGB32 (or ARGB32), as the rectangle selector keeps it.

bool IsKeyPixel(const QImage& image, int x, int y);

// The bounding box of the connected non-key pixels around at (diagonal
// neighbours connect, so a sprite drawn with one-pixel diagonal strokes stays
// whole); none when at is key colour or outside the image.
std::optional<TRect> SpriteBounds(const QImage& image, const QPoint& at);

// Which way a rectangle edge runs: a left or right edge lies between two
// pixel columns, a top or bottom edge between two rows.
enum class TEdgeAxis { Column, Row };

// The pixels an edge looks along: rows First..Last (inclusive) for a column
// edge, columns for a row edge. Parts outside the image are not looked at.
struct TEdgeSpan {
    int First = 0;
    int Last = -1;
};

// Edge b of an axis lies before pixel b. It is a key border when, somewhere
// along span, the pixel before it and the pixel after it differ in being key
// colour.
bool IsKeyBorder(const QImage& image, TEdgeAxis axis, int edge, const TEdgeSpan& span);

// The key border nearest to screenPos (in pixels of the sheet enlarged zoom
// times, where edge b lies at b * zoom) no further than radius screen pixels
// away; none when there is none that close.
std::optional<int> NearestKeyBorder(const QImage& image, TEdgeAxis axis, qint64 screenPos, int zoom,
                                    int radius, const TEdgeSpan& span);
