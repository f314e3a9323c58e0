#include "text/SkinProject.h"

#include <climits>

#include "graphics/VESKHue.h"
#include "storage/VESKErrors.h"
#include "text/VESKIntParse.h"

int CurrentTheme = 0;

namespace {

// The text before the first comma, removed from rest with the comma. Without
// a comma the field is empty and rest stays, so the next number fails.
QString CutField(QString& rest) {
    const qsizetype comma = rest.indexOf(u',');
    if (comma < 0)
        return QString();
    QString field = rest.left(comma);
    rest.remove(0, comma + 1);
    return field;
}

TFontStyles StyleFromBits(int bits) {
    TFontStyles style = 0;
    if (bits & 1)
        style |= fsItalic;
    if (bits & 2)
        style |= fsBold;
    if (bits & 4)
        style |= fsUnderline;
    return style;
}

int StyleSum(TFontStyles style) {
    return ((style & fsItalic) ? 1 : 0) + ((style & fsBold) ? 2 : 0) +
           ((style & fsUnderline) ? 4 : 0);
}

} // namespace

TRect StrToRect(const QString& text) {
    QString rest = text;
    TRect rect;
    rect.Left = StrToInt(CutField(rest));
    rect.Top = StrToInt(CutField(rest));
    rect.Right = StrToInt(CutField(rest));
    rect.Bottom = StrToInt(rest);
    return rect;
}

QString RectToStr(const TRect& rect) {
    return QString::number(rect.Left) + u',' + QString::number(rect.Top) + u',' +
           QString::number(rect.Right) + u',' + QString::number(rect.Bottom);
}

void StrToFont(const QString& text, TMyFont& font, bool adjust) {
    QString rest = text;
    const QString name = CutField(rest);
    const TColor color = StrToInt(CutField(rest));
    const int height = StrToInt(CutField(rest));
    const int bits = StrToInt(rest);
    font.Name = name;
    font.Color = adjust ? ThemeColor(color, CurrentTheme) : color;
    font.Height = height;
    font.Style = StyleFromBits(bits);
}

QString MyFontToStr(const TMyFont& font) {
    // The most negative height has no positive twin; keep it as it is so the
    // value still reads back.
    const int height = (font.Height < 0 && font.Height != INT_MIN) ? -font.Height : font.Height;
    return font.Name + u',' + QString::number(font.Color) + u',' + QString::number(height) + u',' +
           QString::number(StyleSum(font.Style));
}

void AssignMyFont(const TMyFont& source, TFont& target) {
    target.Name = source.Name;
    target.Color = source.Color;
    target.Style = source.Style;
    target.Height = source.Height;
}

int TSkinProject::ReadInteger(const QString& section, const QString& key, int defaultValue) {
    const int value = TVESKIniFileW::ReadInteger(section, key, defaultValue);
    if (WideSameText(section, QStringLiteral("SKIN_FONTS")))
        return ThemeColor(value, CurrentTheme);
    return value;
}

TRect TSkinProject::ReadRect(const QString& section, const QString& key,
                             const TRect& defaultValue) {
    try {
        return StrToRect(ReadString(section, key, RectToStr(defaultValue)));
    } catch (const EConvertError&) {
        return TRect();
    }
}

void TSkinProject::WriteRect(const QString& section, const QString& key, const TRect& rect) {
    WriteString(section, key, RectToStr(rect));
}

void TSkinProject::ReadFont(const QString& section, const QString& key, TMyFont& font) {
    const QString value = ReadString(section, key, QString());
    if (!value.isEmpty())
        StrToFont(value, font, true);
}

void TSkinProject::ReadFontTo(const QString& section, const QString& key, TFont& font) {
    const QString value = ReadString(section, key, QString());
    if (value.isEmpty())
        return;
    TMyFont record;
    StrToFont(value, record, true);
    AssignMyFont(record, font);
}
