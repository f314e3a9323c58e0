// The value parsers of skin texts. Input: one byte of flags (bit 0: the rest
// is UTF-16LE, else code page text), four bytes of colour scheme value, then
// the text. Whatever parses must print back to text that parses the same.

#include <cstring>

#include "FuzzSupport.h"
#include "graphics/VESKHue.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "text/SkinProject.h"
#include "text/VESKIntParse.h"

namespace {

QString TextOf(const QByteArray& bytes, bool wide) {
    if (!wide)
        return AnsiToWide(bytes);
    return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
}

void CheckInteger(const QString& text) {
    const std::optional<int> tried = TryStrToInt(text);
    try {
        const int value = StrToInt(text);
        FUZZ_CHECK(tried && *tried == value);
        FUZZ_CHECK(StrToInt(QString::number(value)) == value);
    } catch (const EConvertError& error) {
        FUZZ_CHECK(!tried);
        FUZZ_CHECK(error.message().endsWith(QLatin1String("' is not a valid integer value")));
    }
}

void CheckRect(const QString& text) {
    try {
        const TRect rect = StrToRect(text);
        FUZZ_CHECK(StrToRect(RectToStr(rect)) == rect);
        rect.ToQRect();
        (void)rect.Width();
        (void)rect.Height();
    } catch (const EConvertError&) {
    }
}

void CheckFont(const QString& text, int theme) {
    CurrentTheme = theme;
    try {
        TMyFont plain;
        StrToFont(text, plain, false);
        TMyFont again;
        StrToFont(MyFontToStr(plain), again, false);
        FUZZ_CHECK(again.Name == plain.Name && again.Color == plain.Color);
        FUZZ_CHECK(again.Style == plain.Style);
        TMyFont adjusted;
        StrToFont(text, adjusted, true);
        FUZZ_CHECK(adjusted.Height == plain.Height);
    } catch (const EConvertError&) {
    }
    CurrentTheme = 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5)
        return 0;
    std::int32_t theme;
    std::memcpy(&theme, data + 1, sizeof theme);
    const QString text = TextOf(FuzzBytes(data + 5, size - 5), data[0] & 1);
    CheckInteger(text);
    CheckRect(text);
    CheckFont(text, theme);
    (void)ThemeColor(TColor(theme), theme);
    return 0;
}
