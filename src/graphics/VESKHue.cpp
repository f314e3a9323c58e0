#include "graphics/VESKHue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "graphics/VESKBmp.h"

namespace {

// Rounds half to even (the default rounding mode) into a byte. Results of
// the hue conversions lie in 0..255 already; anything else, NaN included,
// comes from a caller's out-of-range lightness or saturation and saturates
// rather than wrapping, so a slightly too bright channel never turns black.
std::uint8_t RoundToByte(float v) {
    if (!(v > 0.0f))
        return 0;
    if (v >= 255.0f)
        return 255;
    return std::uint8_t(std::lrintf(v));
}

struct THueRange {
    float m1;
    float m2;

    std::uint8_t HueToRGB(float x) const {
        x = x - std::floor(x);
        float v;
        if (6.0f * x < 1.0f)
            v = m1 + (m2 - m1) * x * 6.0f;
        else if (2.0f * x < 1.0f)
            v = m2;
        else if (3.0f * x < 2.0f)
            v = m1 + (m2 - m1) * (2.0f / 3.0f - x) * 6.0f;
        else
            v = m1;
        return RoundToByte(v * 255.0f);
    }
};

bool IsKeyPixel(const std::uint8_t* bgr) {
    return bgr[0] == 255 && bgr[1] == 0 && bgr[2] == 255;
}

} // namespace

void RGBToHSL(std::uint8_t r, std::uint8_t g, std::uint8_t b, float& l, float& s, float& h) {
    const float rf = float(r) / 255.0f;
    const float gf = float(g) / 255.0f;
    const float bf = float(b) / 255.0f;
    const float max = std::max({bf, gf, rf});
    const float min = std::min({bf, gf, rf});
    l = (max + min) / 2.0f;
    if (max == min) {
        s = 0.0f;
        h = 0.0f;
        return;
    }
    const float d = max - min;
    s = l < 0.5f ? d / (max + min) : d / (2.0f - max - min);
    if (rf == max)
        h = (gf - bf) / d;
    else if (gf == max)
        h = 2.0f + (bf - rf) / d;
    else
        h = 4.0f + (rf - gf) / d;
    h = h / 6.0f;
    if (h < 0.0f)
        h = h + 1.0f;
}

void HSLToRGB(std::uint8_t& r, std::uint8_t& g, std::uint8_t& b, float l, float s, float h) {
    if (s == 0.0f) {
        r = g = b = RoundToByte(l * 255.0f);
        return;
    }
    const float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
    const THueRange range{2.0f * l - m2, m2};
    r = range.HueToRGB(h + 1.0f / 3.0f);
    g = range.HueToRGB(h);
    b = range.HueToRGB(h - 1.0f / 3.0f);
}

void HueShift(std::uint8_t& r, std::uint8_t& g, std::uint8_t& b, int value) {
    if (value == 0)
        return;
    float l, s, h;
    RGBToHSL(r, g, b, l, s, h);
    // 64-bit so that a scheme value near the int limits from a stranger's
    // file cannot overflow; such values are wrapped once like any other and
    // folded by HSLToRGB.
    std::int64_t h255 = std::int64_t(std::lrintf(h * 255.0f)) + value;
    if (h255 > 255)
        h255 -= 255;
    if (h255 < 0)
        h255 += 255;
    HSLToRGB(r, g, b, l, s, float(h255) / 255.0f);
}

TColor ThemeColor(TColor color, int value) {
    if (value == 0)
        return color;
    const TColor c = ResolveColor(color);
    auto r = std::uint8_t(GetRValue(c));
    auto g = std::uint8_t(GetGValue(c));
    auto b = std::uint8_t(GetBValue(c));
    HueShift(r, g, b, value);
    return RGBColor(r, g, b);
}

namespace {

// Truncates toward zero like the classic conversion, but saturates instead
// of keeping the low 8 bits: a factor above 1 must lighten a bright channel,
// not wrap it to a dark one.
int ScaleChannel(int channel, float factor) {
    const float v = float(channel) * factor;
    if (!(v > 0.0f))
        return 0;
    if (v >= 255.0f)
        return 255;
    return int(v);
}

} // namespace

TColor ScaleColor(TColor color, float factor) {
    const TColor c = ResolveColor(color);
    return RGBColor(ScaleChannel(GetRValue(c), factor), ScaleChannel(GetGValue(c), factor),
                    ScaleChannel(GetBValue(c), factor));
}

void ApplyHue(TVESKBmp& bmp, int value) {
    if (value == 0)
        return;
    std::vector<std::uint8_t> row(std::size_t(bmp.Width()) * 3);
    for (int y = 0; y < bmp.Height(); ++y) {
        bmp.GetRow(y, row);
        for (std::size_t i = 0; i < row.size(); i += 3) {
            std::uint8_t* px = row.data() + i;
            if (!IsKeyPixel(px))
                HueShift(px[2], px[1], px[0], value);
        }
        bmp.SetRow(y, row);
    }
}
