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

    // The face at the em size the player draws it (SkinFontFace).
    QFont ToQFont() const;

    // Heights come from strangers' files: no size past what a glyph cache
    // can hold is drawn.
    static constexpr int kMaxPixelSize = 2048;

    friend bool operator==(const TFont&, const TFont&) = default;
};
