#pragma once

#include <QColor>
#include <QImage>

// The context menu's icon strip: fifty 16 x 16 pictograms side by side on
// the key colour. Edges are blended with the menu's icon gutter colour, where
// the icons are shown; pixels the sign barely touches stay pure key colour.
QImage PaintIconStrip(const QColor& gutter);

// The strip as a menu shows it: the key colour replaced by the ground.
QImage IconsOnGround(const QImage& strip, const QColor& ground);
