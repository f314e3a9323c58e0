#include "graphics/VESKColor.h"

#include <array>

namespace {

// The "Windows Standard" classic scheme, indices 0 to 30.
constexpr std::array<TColor, 31> kSystemColors = {
    RGBColor(212, 208, 200), // scroll bar
    RGBColor(58, 110, 165),  // desktop
    RGBColor(10, 36, 106),   // active caption
    RGBColor(128, 128, 128), // inactive caption
    RGBColor(212, 208, 200), // menu
    RGBColor(255, 255, 255), // window
    RGBColor(0, 0, 0),       // window frame
    RGBColor(0, 0, 0),       // menu text
    RGBColor(0, 0, 0),       // window text
    RGBColor(255, 255, 255), // caption text
    RGBColor(212, 208, 200), // active border
    RGBColor(212, 208, 200), // inactive border
    RGBColor(128, 128, 128), // application workspace
    RGBColor(10, 36, 106),   // highlight
    RGBColor(255, 255, 255), // highlight text
    RGBColor(212, 208, 200), // button face
    RGBColor(128, 128, 128), // button shadow
    RGBColor(128, 128, 128), // grey text
    RGBColor(0, 0, 0),       // button text
    RGBColor(212, 208, 200), // inactive caption text
    RGBColor(255, 255, 255), // button highlight
    RGBColor(64, 64, 64),    // 3-D dark shadow
    RGBColor(212, 208, 200), // 3-D light
    RGBColor(0, 0, 0),       // tooltip text
    RGBColor(255, 255, 225), // tooltip background
    RGBColor(181, 181, 181), // unused slot
    RGBColor(0, 0, 128),     // hot-tracked item
    RGBColor(166, 202, 240), // active caption gradient
    RGBColor(192, 192, 192), // inactive caption gradient
    RGBColor(49, 106, 197),  // menu highlight
    RGBColor(212, 208, 200), // menu bar
};

} // namespace

TColor GetSysColor(int index) {
    if (index < 0 || index >= int(kSystemColors.size()))
        return 0;
    return kSystemColors[std::size_t(index)];
}

TColor ResolveColor(TColor color) {
    if (IsSystemColor(color))
        return GetSysColor(color & 0xFF);
    return color & 0x00FFFFFF;
}

QRgb ColorToRgb(TColor color) {
    const TColor c = ResolveColor(color);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

QColor ColorToQColor(TColor color) { return QColor(ColorToRgb(color)); }

TColor RgbToColor(QRgb rgb) { return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
