#include "check/SkinFinding.h"

#include <algorithm>

namespace {

using R = TRuleId;
constexpr TSeverity E = TSeverity::Error;
constexpr TSeverity W = TSeverity::Warning;

const std::vector<TCheckRule> kRules = {
    {R::FileUnreadable, "file.unreadable", E, "cannot be read: %1", "файл не читается: %1"},
    {R::ContainerNotPackage, "container.not-package", E, "not a skin package: %1",
     "не пакет обложки: %1"},
    {R::ContainerTruncated, "container.truncated", E,
     "the file ends inside member %1 of %2 (record or compressed bytes)",
     "файл обрывается на члене %1 из %2 (запись или сжатые данные)"},
    {R::ContainerOffset, "container.offset", E,
     "offset %1 is stored, but the member's bytes begin at %2 of the data",
     "записано смещение %1, а данные члена начинаются с %2"},
    {R::ContainerDuplicateName, "container.duplicate-name", E,
     "a second member named like \"%1\" (letter case aside): only the first is ever read",
     "второй член с именем «%1» (без учёта регистра): читается только первый"},
    {R::ContainerTrailingBytes, "container.trailing-bytes", W, "%1 bytes follow the last member",
     "после последнего члена ещё %1 байт"},
    {R::ContainerMemberDamaged, "container.member-damaged", E,
     "the compressed bytes are not one complete zlib stream of at most 256 MiB",
     "сжатые данные не образуют целый поток zlib не больше 256 МиБ"},
    {R::ContainerSizeMismatch, "container.size-mismatch", W,
     "size %1 is stored, the content inflates to %2 bytes",
     "записан размер %1, а содержимое распаковывается в %2 байт"},
    {R::MemberMissing, "member.missing", E, "the member is missing", "член отсутствует"},
    {R::MemberTemplate, "member.template", W,
     "the member is missing; the editor uses its built-in one",
     "член отсутствует; редактор берёт встроенный"},
    {R::MemberUnreadable, "member.unreadable", E, "cannot be read: %1", "не читается: %1"},
    {R::KeyMissing, "key.missing", E, "the key is missing", "ключ отсутствует"},
    {R::KeyUnparseable, "key.unparseable", E, "the value does not read as %1",
     "значение не читается как %1"},
    {R::RectEmpty, "rect.empty", E, "the rectangle is empty (%1 x %2)",
     "прямоугольник пуст (%1 × %2)"},
    {R::RectReversed, "rect.reversed", E, "right or bottom lies before left or top",
     "правый или нижний край раньше левого или верхнего"},
    {R::RectOutsideBitmap, "rect.outside-bitmap", E, "reaches outside %1 (%2 x %3)",
     "выходит за пределы %1 (%2 × %3)"},
    {R::StateSizeMismatch, "state.size-mismatch", E, "is %1 x %2, but %3 is %4 x %5",
     "размер %1 × %2, а у %3 — %4 × %5"},
    {R::StripGlyphs, "strip.glyphs", E, "the strip is %1 wide, not a multiple of its %2 glyphs",
     "ширина полосы %1 не делится на %2 символов"},
    {R::BoundsOutsidePanel, "bounds.outside-panel", W, "reaches outside its panel %1 (%2 x %3)",
     "выходит за пределы панели %1 (%2 × %3)"},
    {R::SliderThumb, "slider.thumb", E, "the thumb (%1 x %2) is larger than the track %3 (%4 x %5)",
     "ползунок (%1 × %2) больше дорожки %3 (%4 × %5)"},
    {R::FontFaceMissing, "font.face-missing", W,
     "the face \"%1\" is neither in the package nor installed",
     "шрифта «%1» нет ни в пакете, ни в системе"},
    {R::FontHeightZero, "font.height-zero", W, "the font's height is 0", "высота шрифта 0"},
    {R::ColorInvalid, "color.invalid", E, "%1 is not a colour", "%1 — не цвет"},
    {R::ParentUnknownCode, "parent.unknown-code", W,
     "\"%1\" names no panel; the element stays on %2",
     "«%1» не называет панель; элемент остаётся на %2"},
    {R::SchemeUnreadable, "scheme.unreadable", E, "the colour scheme value is not an integer",
     "значение цветовой схемы — не целое число"},
    {R::MaskBitmap, "mask.bitmap", W,
     "differs from the mask a save makes now (%1 x %2): %3 pixels differ",
     "отличается от маски, которую создаст сохранение (%1 × %2): не совпадают %3 точек"},
    {R::MaskKeys, "mask.keys", W, "a save writes %1", "сохранение запишет %1"},
    {R::BitmapDepth, "bitmap.depth", W, "%1 bits per pixel; the player's own bitmaps have 24",
     "%1 бит на точку; у плеера — 24"},
    {R::BitmapNoKeyColour, "bitmap.no-key-colour", W,
     "%1 pixels are see-through by the alpha channel of this %2-bit bitmap, which the player "
     "ignores: only the key colour (magenta) is transparent",
     "%1 точек прозрачны по альфа-каналу этого %2-битного рисунка, а плеер его не читает: "
     "прозрачен только пурпурный цвет"},
};

// The value kinds a value may fail to read as, in both languages.
QString ValueKindRu(const QString& kind) {
    static const std::pair<const char*, const char*> kKinds[] = {
        {"a rectangle", "прямоугольник"}, {"a font", "шрифт"},  {"an integer", "целое число"},
        {"a colour", "цвет"},             {"0 or 1", "0 или 1"},
    };
    for (const auto& [en, ru] : kKinds)
        if (kind == QLatin1String(en))
            return QString::fromUtf8(ru);
    return kind;
}

QString Location(const TFinding& finding) {
    QString where = finding.Member;
    if (!finding.Section.isEmpty())
        where += QStringLiteral(" [%1]").arg(finding.Section);
    if (!finding.Key.isEmpty())
        where += u' ' + finding.Key + u'=' + finding.Value;
    if (!finding.Element.isEmpty())
        where += QStringLiteral(" (%1)").arg(finding.Element);
    return where;
}

// One pass over the text: a detail from a stranger's file that itself holds
// "%2" must stay as it is.
QString Fill(const QString& text, const QStringList& details) {
    QString filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int index = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == u'%' && index >= 1 && index <= details.size()) {
            filled += details[index - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

QString Compose(const TFinding& finding, const QString& text, const QStringList& details) {
    const QString message = Fill(text, details);
    const QString where = Location(finding);
    return where.isEmpty() ? message : where + QStringLiteral(": ") + message;
}

} // namespace

const std::vector<TCheckRule>& CheckRules() {
    return kRules;
}

const TCheckRule& CheckRule(TRuleId id) {
    return kRules[std::size_t(id)];
}

QString TFinding::Message() const {
    return Compose(*this, QString::fromUtf8(CheckRule(Rule).Text), Details);
}

QString TFinding::MessageRu() const {
    QStringList details = Details;
    if (Rule == TRuleId::KeyUnparseable && !details.isEmpty())
        details[0] = ValueKindRu(details[0]);
    return Compose(*this, QString::fromUtf8(CheckRule(Rule).TextRu), details);
}

int CountFindings(const TFindings& findings, TSeverity severity) {
    return int(std::count_if(findings.begin(), findings.end(),
                             [severity](const TFinding& f) { return f.Severity() == severity; }));
}
