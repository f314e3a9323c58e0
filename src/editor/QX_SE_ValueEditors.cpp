// The colour and font editors. The property sheet uses them for its rows,
// the playlist page for its font buttons; font values always live in
// "SKIN_FONTS".

#include "editor/EditorDialogs.h"
#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "text/SkinProject.h"
#include "text/VESKIntParse.h"

namespace {

const QString kFonts = QStringLiteral("SKIN_FONTS");

TFont ToFont(const TMyFont& value) {
    TFont font;
    AssignMyFont(value, font);
    return font;
}

TMyFont ToMyFont(const TFont& font) {
    TMyFont value;
    value.Name = font.Name;
    value.Color = font.Color;
    value.Height = font.Height;
    // Skin values have no strike-out.
    value.Style = font.Style & (fsItalic | fsBold | fsUnderline);
    return value;
}

} // namespace

void TQXForm::ChooseColorValue(const TVKProperty& row, TSkinProject& document) {
    const TColor current = StrToInt(row.Value);
    const auto chosen = Dialogs().Color(this, ColorToQColor(current));
    if (chosen)
        document.WriteInteger(row.Section, row.Key, int(RgbToColor(chosen->rgb())));
}

void TQXForm::ChooseFont(const QString& key, TSkinProject& document) {
    TMyFont value;
    document.ReadFont(kFonts, key, value);
    const auto chosen = Dialogs().Font(this, ToFont(value));
    if (chosen)
        document.WriteString(kFonts, key, MyFontToStr(ToMyFont(*chosen)));
}

void TQXForm::ChooseFontColor(const QString& key, TSkinProject& document) {
    // A missing key starts from nothing, not from the default face: what is
    // written back is only the colour the user picks.
    TFont font{QString(), 0, 0, 0};
    document.ReadFontTo(kFonts, key, font);
    if (const auto chosen = Dialogs().Color(this, ColorToQColor(font.Color)))
        font.Color = RgbToColor(chosen->rgb());
    // Rewritten even after a cancel, so the value ends in the writers' form.
    document.WriteString(kFonts, key, MyFontToStr(ToMyFont(font)));
}
