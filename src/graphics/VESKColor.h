#pragma once

#include <cstdint>

#include <QColor>
#include <QRgb>

// A skin colour: 0x00BBGGRR, red in the low byte (the reverse of QRgb). A top
// byte of 0xFF names a classic system colour by the index in the low byte.
using TColor = std::int32_t;

constexpr TColor RGBColor(int r, int g, int b) {
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// Skin bitmaps mark what is not drawn, and what the mask cuts away, in magenta.
constexpr TColor kSkinKeyColor = RGBColor(255, 0, 255);
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }
constexpr bool IsSystemColor(TColor c) { return (std::uint32_t(c) >> 24) == 0xFF; }
// Whether the value names a colour at all: blue, green and red with a zero
// top byte, or one of the classic system colours 0 to 30.
constexpr bool IsColorValue(TColor c) {
    const std::uint32_t v = std::uint32_t(c);
    return (v >> 24) == 0 || ((v & 0xFFFFFF00u) == 0xFF000000u && (v & 0xFF) <= 30);
}

// The classic default scheme's colour for a system colour index; black for an
// index that has none.
TColor GetSysColor(int index);

// System colours become their RGB value; other values keep their low 24 bits.
TColor ResolveColor(TColor color);

QRgb ColorToRgb(TColor color);
QColor ColorToQColor(TColor color);
TColor RgbToColor(QRgb rgb);
