#pragma once

#include <vector>

#include <QColor>
#include <QImage>

// The equalizer's curve display: a line through the band values (0 to
// kSliderRange, the middle on the display's middle row) from the first band
// at the left edge to the last at the right, each band marked with a point.
QImage DrawEqCurve(const QImage& background, const std::vector<int>& values, const QColor& line,
                   const QColor& point);
