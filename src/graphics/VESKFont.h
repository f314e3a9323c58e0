#pragma once

#include <QFont>
#include <QString>

#include "graphics/VESKColor.h"

// Style bits as skin font values spell them: 1 italic, 2 bold, 4 underline.
// Strike-out is never set from text but a font object may carry it.
enum TFontStyle : unsigned {
    fsItalic = 1,
    fsBold = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = unsigned;

// A font as the skin and the preview controls see it: a face, a colour, a
// height in pixels (the sign only tells cell from character height) and a
// style set. The face name is kept as written even where this machine lacks
// it, so saving never renames a skin's fonts.
struct TFont {
    QString Name = QStringLiteral("Tahoma");
    TColor Color = 0;
    int Height = -11;
    TFontStyles Style = 0;

    QFont ToQFont() const {
        QFont font(Name);
        font.setPixelSize(PixelSize());
        font.setItalic(Style & fsItalic);
        font.setBold(Style & fsBold);
        font.setUnderline(Style & fsUnderline);
        font.setStrikeOut(Style & fsStrikeOut);
        return font;
    }

    // Heights come from strangers' files: the magnitude is taken without
    // overflowing at the int limit and kept to a size a glyph cache can hold.
    static constexpr int kMaxPixelSize = 2048;
    int PixelSize() const {
        if (Height == 0)
            return 1;
        const long long magnitude = Height < 0 ? -static_cast<long long>(Height) : Height;
        return magnitude > kMaxPixelSize ? kMaxPixelSize : int(magnitude);
    }

    friend bool operator==(const TFont&, const TFont&) = default;
};
