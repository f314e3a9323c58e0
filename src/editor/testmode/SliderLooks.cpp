#include "editor/testmode/SliderLooks.h"

#include <algorithm>

#include <QPainter>
#include <QWidget>

#include "controls/ElementControl.h"
#include "controls/PreviewPainting.h"
#include "editor/SkinRenderer.h"
#include "graphics/VESKDraw.h"
#include "text/SkinProject.h"

namespace {

const QString kRects = QStringLiteral("SKIN_RECTS");

// The piece r of source over the same rectangle of target; parts of r
// beyond the source are black, as a classic copy from outside gives.
void CopySame(QImage& target, const QImage& source, const QRect& r) {
    if (target.isNull() || r.isEmpty())
        return;
    QImage piece;
    CutRect(piece, source, TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    if (piece.isNull())
        return;
    QPainter painter(&target);
    painter.drawImage(r, piece);
}

int ThumbStart(int pixel, int thumb, int length) {
    const int start = pixel - thumb / 2;
    return length >= thumb ? std::clamp(start, 0, length - thumb) : start;
}

} // namespace

TSliderShape SliderShape(ElementKind kind, const QString& name, TSkinProject& document) {
    if (kind == ElementKind::EqSlider)
        return TSliderShape{false, true, true};
    return TSliderShape{
        document.ReadBool(QStringLiteral("SKIN_WIDTHS"), name + QStringLiteral("_HORIZONTAL"), true),
        false, false};
}

int SliderPixel(int value, QSize size, bool horizontal) {
    value = std::clamp(value, 0, kSliderRange);
    if (horizontal)
        return int(qint64(size.width()) * value / kSliderRange);
    return int(qint64(size.height()) * (kSliderRange - value) / kSliderRange);
}

int SliderValueAt(QPoint point, QSize size, bool horizontal) {
    const int length = horizontal ? size.width() : size.height();
    if (length <= 0)
        return kSliderMiddle;
    // Rounded so that the value stands at exactly the pixel pointed at.
    const qint64 along = std::clamp(horizontal ? point.x() : length - point.y(), 0, length);
    const qint64 scaled = along * kSliderRange;
    return int(horizontal ? (scaled + length - 1) / length : scaled / length);
}

QImage ComposeSlider(const QImage& background, const QImage& filled, const QImage& thumb, QSize size,
                     const TSliderShape& shape, int value) {
    QImage face;
    if (shape.FaceOfSliderSize) {
        if (size.isEmpty() || size.width() > kMaxCutSide || size.height() > kMaxCutSide ||
            qint64(size.width()) * size.height() > kMaxCutPixels)
            return QImage();
        face = QImage(size, QImage::Format_RGB32);
        face.fill(BlankColor());
        QPainter(&face).drawImage(0, 0, background);
    } else {
        face = background.copy();
    }
    if (face.isNull())
        return face;
    const int w = size.width(), h = size.height();
    const int pixel = SliderPixel(value, size, shape.Horizontal);
    QPoint at;
    if (shape.Horizontal) {
        CopySame(face, filled, QRect(0, 0, pixel, h));
        at = QPoint(ThumbStart(pixel, thumb.width(), w), 0);
    } else {
        CopySame(face, filled, QRect(0, pixel, w, h - pixel));
        at = QPoint(0, ThumbStart(pixel, thumb.height(), h));
    }
    QPainter painter(&face);
    if (shape.OpaqueThumb)
        painter.drawImage(at, thumb);
    else
        DrawTransparent(painter, at.x(), at.y(), kSkinKeyColor, thumb);
    return face;
}

QImage SliderTexture(QWidget* slider, int value, TSkinProject& document, const QImage& bitmap) {
    const TElementControl* control = AsElementControl(slider);
    if (!control)
        return QImage();
    const QString name = control->Name();
    const TSliderShape shape = SliderShape(control->Kind(), name, document);
    return ComposeSlider(TSkinRenderer::Texture(document, bitmap, kRects, name + "_BK"),
                         TSkinRenderer::Texture(document, bitmap, kRects, name + "_BKS"),
                         TSkinRenderer::Texture(document, bitmap, kRects, name + "_THM"),
                         slider->size(), shape, value);
}
