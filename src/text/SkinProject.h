#pragma once

#include <QString>

#include "graphics/VESKColor.h"
#include "graphics/VESKFont.h"
#include "graphics/VESKRect.h"
#include "text/VESKIniFileW.h"

// The hue of the colour scheme in force; colours read from font values and
// from "SKIN_FONTS" are rotated by it.
extern int CurrentTheme;

// A font as a skin value describes it.
struct TMyFont {
    int Height = 0;
    QString Name;
    TColor Color = 0;
    TFontStyles Style = 0;
};

// "left,top,right,bottom"; raises EConvertError for a missing, extra or
// malformed field.
TRect StrToRect(const QString& text);
QString RectToStr(const TRect& rect);

// "name,colour,height,style" with style the sum of 1 italic, 2 bold,
// 4 underline. The record changes only when the whole value parses; adjust
// rotates the colour by CurrentTheme.
void StrToFont(const QString& text, TMyFont& font, bool adjust);
// The writers' form: the height without its sign, the style as its sum.
QString MyFontToStr(const TMyFont& font);
void AssignMyFont(const TMyFont& source, TFont& target);

// An INI document that knows the skin's value encodings.
class TSkinProject : public TVESKIniFileW {
public:
    using TVESKIniFileW::TVESKIniFileW;

    // Colours of "SKIN_FONTS" come back rotated into the current scheme.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) override;

    // A missing key gives the default, a malformed value the empty rectangle.
    TRect ReadRect(const QString& section, const QString& key, const TRect& defaultValue);
    void WriteRect(const QString& section, const QString& key, const TRect& rect);
    // A missing or empty value leaves the record, or the font, unchanged.
    void ReadFont(const QString& section, const QString& key, TMyFont& font);
    void ReadFontTo(const QString& section, const QString& key, TFont& font);
};
