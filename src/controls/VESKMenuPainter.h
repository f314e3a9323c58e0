#pragma once

#include <cstdint>

#include <QFont>
#include <QString>

#include "graphics/VESKColor.h"
#include "graphics/VESKFont.h"
#include "graphics/VESKRect.h"

class QPainter;

// Owner-draw item states as the player's menus receive them.
enum TMenuItemState : unsigned {
    ODS_SELECTED = 0x0001,
    ODS_DISABLED = 0x0004,
    ODS_DEFAULT = 0x0020,
    ODS_HOTLIGHT = 0x0040,
};

// A menu shortcut as the player stores it: a virtual key code in the low
// byte and modifier bits above it; 0 is no shortcut.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The name the window system gives a shortcut ("Enter", "Ctrl+F5"); empty
// for 0 and for keys it has no name for.
QString ShortCutToText(TShortCut shortcut);

// Draws the skin's context menu one item at a time, on any canvas, the way
// the player draws it: an icon gutter, the selected item framed, separators
// as a thin line a shade darker than the base colour.
class TVESKMenuPainter {
public:
    TVESKMenuPainter();

    void DrawItemBackground(QPainter& canvas, TColor selectedColor, TColor gutterColor,
                            TColor menuColor, const TRect& rect, bool menuBar, unsigned state,
                            const TFont& font, int gutterWidth, TColor borderColor) const;
    void DrawItemText(QPainter& canvas, bool menuBar, const TRect& rect, int gutterWidth,
                      unsigned state, TShortCut shortcut, const QString& text, const TFont& font,
                      bool separator) const;

    // The system's menu font, for callers that have none of their own.
    QFont Font;
    // Separators are drawn from it.
    TColor BaseColor;
};
