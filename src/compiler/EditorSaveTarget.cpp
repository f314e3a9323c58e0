#include "compiler/EditorSaveTarget.h"

#include <QVariant>
#include <QWidget>

#include "compiler/SaveSource.h"

namespace {

// A swatch or sample keeps the colour value it was given as a property, so
// that system colours (which a palette holds only resolved) survive a save.
std::optional<TColor> StoredColor(const QWidget* widget) {
    const QVariant stored = widget->property("Color");
    if (!stored.isValid())
        return std::nullopt;
    return TColor(stored.toInt());
}

} // namespace

TColor SwatchColor(const QWidget* swatch) {
    if (!swatch)
        return 0;
    if (const auto stored = StoredColor(swatch))
        return *stored;
    return RgbToColor(swatch->palette().color(QPalette::Window).rgb());
}

TFont SampleFont(const QWidget* sample) {
    TFont font;
    // The sample keeps the value it was given: a Qt font cannot hold a
    // system colour, a height of 0 or the height's sign.
    const QVariantList stored = sample ? sample->property("SkinFont").toList() : QVariantList();
    if (stored.size() != 4)
        return font;
    font.Name = stored[0].toString();
    font.Color = TColor(stored[1].toInt());
    font.Height = stored[2].toInt();
    font.Style = TFontStyles(stored[3].toUInt());
    return font;
}

TSaveTarget SaveTargetOf(ISaveSource& source) {
    return source.SaveTarget();
}
