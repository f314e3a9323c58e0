#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include "graphics/VESKFont.h"

class QPainter;

// A skin font as the player lays it out. The player's system reads a
// positive height as the cell height (ascent plus descent) and a negative
// one as the character height (em), and measures a line by the face's own
// Windows ascent and descent. Qt measures lines by other tables, so the
// line is kept here and text is placed by it, not by Qt's metrics.
struct TSkinFontFace {
    QFont Font; // pixel size = the em the player draws at
    int Ascent = 0;
    int Descent = 0;

    int LineHeight() const { return Ascent + Descent; }
};

// Every text drawn from a skin font goes through this one conversion.
TSkinFontFace SkinFontFace(const TFont& font);

// Text flags understood: horizontal alignment, Qt::AlignTop or
// Qt::AlignVCenter, Qt::TextSingleLine, Qt::TextWordWrap, Qt::TextShowMnemonic,
// Qt::TextHideMnemonic, Qt::TextExpandTabs. Lines follow each other at the
// face's line height, each baseline its ascent below the line's top.
QStringList SkinTextLines(const TSkinFontFace& face, const QString& text, int width, int flags);
QSize SkinTextSize(const TSkinFontFace& face, const QString& text, int width, int flags);
void DrawSkinText(QPainter& painter, const QRect& area, int flags, const QString& text,
                  const TSkinFontFace& face);
