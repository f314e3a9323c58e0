#include "editor/Swatches.h"

#include <QVariant>
#include <QWidget>

void SetSwatchColor(QWidget* swatch, TColor color) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    swatch->setPalette(palette);
    swatch->setProperty("Color", int(color));
}

void SetSampleFont(QWidget* sample, const TFont& font, TColor background) {
    sample->setFont(font.ToQFont());
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, ColorToQColor(font.Color));
    palette.setColor(QPalette::Window, ColorToQColor(background));
    sample->setPalette(palette);
    sample->setAutoFillBackground(true);
    sample->setProperty("SkinFont",
                        QVariantList{font.Name, int(font.Color), font.Height, int(font.Style)});
}
