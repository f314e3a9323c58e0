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
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }
constexpr bool IsSystemColor(TColor c) { return (std::uint32_t(c) >> 24) == 0xFF; }

// The classic default scheme's colour for a system colour index; black for an
// index that has none.
TColor GetSysColor(int index);

// System colours become their RGB value; other values keep their low 24 bits.
TColor ResolveColor(TColor color);

QRgb ColorToRgb(TColor color);
QColor ColorToQColor(TColor color);
TColor RgbToColor(QRgb rgb);
