#pragma once

#include <cstdint>

#include "graphics/VESKColor.h"

class TVESKBmp;

// Colour schemes are hue rotations; a full turn of the hue circle is 255
// units. Lightness, saturation and hue are 32-bit floats in 0..1.
void RGBToHSL(std::uint8_t r, std::uint8_t g, std::uint8_t b, float& l, float& s, float& h);
void HSLToRGB(std::uint8_t& r, std::uint8_t& g, std::uint8_t& b, float l, float s, float h);
void HueShift(std::uint8_t& r, std::uint8_t& g, std::uint8_t& b, int value);

// The colour rotated by value; value 0 answers the colour unchanged, so a
// system colour stays one.
TColor ThemeColor(TColor color, int value);
// Each channel of the resolved colour times factor, truncated to 8 bits.
TColor ScaleColor(TColor color, float factor);
// Rotates every pixel except the magenta key colour.
void ApplyHue(TVESKBmp& bmp, int value);
