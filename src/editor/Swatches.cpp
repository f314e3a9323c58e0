#include "editor/Swatches.h"

#include <QVariant>
#include <QWidget>

void SetSwatchColor(QWidget* swatch, TColor color) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    swatch->setPalette(palette);
    swatch->setProperty("Color", int(color));
}
