#include "skingen/ElementTextures.h"

#include <QPainter>

#include "skingen/DigitStrips.h"
#include "skingen/ElementLooks.h"
#include "skingen/SkinCanvas.h"
#include "skingen/SkinPalette.h"
#include "skingen/Surfaces.h"

namespace {

bool IsVertical(TSkinCanvas& canvas, const TSkinElement& e) {
    const bool byDefault = e.Kind == ElementKind::Slider;
    return !canvas.Document().ReadBool("SKIN_WIDTHS", SkinElementKey(e) + "_HORIZONTAL", byDefault);
}

void PaintButton(TSkinCanvas& canvas, const TSkinElement& e) {
    const QImage backdrop = canvas.Backdrop(e);
    const TLook look = LookOf(QLatin1String(e.Name));
    const QString stem = SkinElementKey(e);
    for (const TSkinKey& key : SkinElementKeys(e))
        if (key.Value == TSkinValue::Texture)
            canvas.PutTexture(key.Key, PaintButtonState(backdrop, look, key.Key.mid(stem.size())));
}

// Main and tray knobs are drawn over the track with the key colour as
// transparent; the equalizer draws its knobs opaque, so they fill their box.
QImage Knob(QSize size, Qt::Orientation orientation, const QColor& ground, bool opaque) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    const QRectF box(0, 0, size.width(), size.height());
    DrawKnob(painter, box, orientation);
    painter.end();
    if (!opaque) {
        const qreal radius = std::min(box.width(), box.height()) / 2.0;
        QPainterPath shape;
        shape.addRoundedRect(box, radius, radius);
        KeyOutside(image, image.rect(), shape);
    }
    return image;
}

void PaintSlider(TSkinCanvas& canvas, const TSkinElement& e) {
    const QString stem = SkinElementKey(e);
    const Qt::Orientation orientation = IsVertical(canvas, e) ? Qt::Vertical : Qt::Horizontal;
    const QImage backdrop = canvas.Backdrop(e);
    for (bool filled : {false, true}) {
        QImage track = backdrop.copy();
        QPainter painter(&track);
        DrawGroove(painter, track.rect(), orientation, filled);
        painter.end();
        canvas.PutTexture(stem + (filled ? "_BKS" : "_BK"), track);
    }
    const QRect thumb = canvas.Texture(stem + "_THM");
    const bool opaque = e.Kind == ElementKind::EqSlider;
    const QColor ground = opaque ? backdrop.pixelColor(0, backdrop.height() / 2) : Palette::Groove;
    canvas.PutTexture(stem + "_THM", Knob(thumb.size(), orientation, ground, opaque));
}

void PaintNumeric(TSkinCanvas& canvas, const TSkinElement& e) {
    const QString key = SkinElementKey(e);
    const QSize size = canvas.Strip(key).size();
    QImage strip;
    if (e.GlyphCount == 3)
        strip = key.compare("PLAYBACK", Qt::CaseInsensitive) == 0 ? ChannelStrip(size)
                                                                  : PlayStateStrip(size);
    else
        strip = size.height() >= 11 ? SegmentStrip(size) : MatrixStrip(size);
    canvas.Put("SKIN_NUMERICS", key, strip);
}

void PaintMeter(TSkinCanvas& canvas, const TSkinElement& e) {
    const QString key = SkinElementKey(e);
    canvas.PutTexture(key, MeterStrip(canvas.Texture(key).size(), false));
    canvas.PutTexture(key + "s", MeterStrip(canvas.Texture(key + "s").size(), true));
}

// Textures that show a piece of their area: the area was drawn with them.
void CopyFromArea(TSkinCanvas& canvas, const TSkinElement& e) {
    const QImage area = canvas.AreaPicture(canvas.ContainerOf(e));
    const QString stem = SkinElementKey(e);
    const QRect place = canvas.Placement(stem);
    for (const TSkinKey& key : SkinElementKeys(e)) {
        if (key.Value != TSkinValue::Texture)
            continue;
        QRect piece = place;
        if (key.Key.endsWith("TOP", Qt::CaseInsensitive))
            piece.setHeight(place.height() / 2);
        else if (key.Key.endsWith("BTM", Qt::CaseInsensitive))
            piece.setTop(place.top() + place.height() / 2);
        canvas.PutTexture(key.Key, Crop(area, piece));
    }
}

} // namespace

void PaintElementTextures(TSkinCanvas& canvas) {
    for (const TSkinElement& e : SkinElements(canvas.Window())) {
        switch (e.Kind) {
        case ElementKind::PushButton:
        case ElementKind::ToggleButton:
            PaintButton(canvas, e);
            break;
        case ElementKind::Slider:
        case ElementKind::EqSlider:
            PaintSlider(canvas, e);
            break;
        case ElementKind::NumericDisplay:
            PaintNumeric(canvas, e);
            break;
        case ElementKind::TrayStrip:
            PaintMeter(canvas, e);
            break;
        case ElementKind::TextLabel:
        case ElementKind::ListBox:
        case ElementKind::Spectrum:
        case ElementKind::MultiDisplay:
        case ElementKind::EqCurve:
            if (e.Window != TSkinWindow::Tray)
                CopyFromArea(canvas, e);
            break;
        default:
            break;
        }
    }
}
