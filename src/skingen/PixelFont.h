#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

// Hand-drawn bitmap fonts for the words printed on the skin. They stay crisp
// at one pixel per dot and do not depend on the fonts of the build machine.

// Capitals, digits and a few signs, 3 x 5 dots, one column between letters.
int TinyTextWidth(const QString& text);
void DrawTinyText(QImage& image, QPoint topLeft, const QString& text, const QColor& color);
// Centred in the rectangle (rounded down).
void DrawTinyTextCentered(QImage& image, const QRect& box, const QString& text,
                          const QColor& color);

// The glyphs of the small digit displays, 5 x 7 dots: "0"-"9", ":", "-", space.
void DrawMatrixGlyph(QImage& image, QPoint topLeft, QChar glyph, const QColor& color);
