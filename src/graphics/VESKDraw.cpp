#include "graphics/VESKDraw.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QPainter>
#include <QRegion>

void DrawTransparent(QPainter& canvas, int x, int y, TColor key, const QImage& bitmap) {
    if (bitmap.isNull())
        return;
    // Skin bitmaps carry no alpha of their own: every pixel but the key is
    // drawn opaque, whatever the image's alpha channel says.
    const QRgb keyRgb = ColorToRgb(key) & RGB_MASK;
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < image.height(); ++row) {
        auto* px = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            const QRgb rgb = px[col] & RGB_MASK;
            px[col] = rgb == keyRgb ? 0 : (rgb | ~RGB_MASK);
        }
    }
    canvas.drawImage(x, y, image);
}

namespace {

bool CutSizeIsSane(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxCutSide && height <= kMaxCutSide &&
           width * height <= kMaxCutPixels;
}

} // namespace

void CutRect(QImage& dest, const QImage& source, const TRect& r) {
    const qint64 width = qint64(r.Right) - r.Left;
    const qint64 height = qint64(r.Bottom) - r.Top;
    dest = QImage();
    if (!CutSizeIsSane(width, height))
        return;
    dest = QImage(int(width), int(height), QImage::Format_RGB32);
    if (dest.isNull())
        return;
    dest.fill(Qt::black);
    // The part of r inside the source, in source coordinates; 64-bit so a
    // rectangle near the int limits cannot overflow.
    const qint64 left = std::max<qint64>(r.Left, 0);
    const qint64 top = std::max<qint64>(r.Top, 0);
    const qint64 right = std::min<qint64>(r.Right, source.width());
    const qint64 bottom = std::min<qint64>(r.Bottom, source.height());
    if (left >= right || top >= bottom)
        return;
    // A copy, not a blend: the texture's colour bits whatever its alpha says.
    const QImage piece = source.copy(int(left), int(top), int(right - left), int(bottom - top))
                             .convertToFormat(QImage::Format_ARGB32);
    const int destX = int(left - r.Left);
    const int destY = int(top - r.Top);
    for (int row = 0; row < piece.height(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(piece.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(dest.scanLine(destY + row)) + destX;
        for (int col = 0; col < piece.width(); ++col)
            to[col] = from[col] | ~RGB_MASK;
    }
}

namespace {

// DrawTiled works along one axis and across the other; this swaps the
// coordinates of its rectangles for the horizontal case. Geometry is in
// doubles so that no sum of a stranger's sizes can overflow.
struct TTileAxis {
    bool horizontal;

    QRectF Rect(double along, double across, double alongLength, double acrossLength) const {
        return horizontal ? QRectF(along, across, alongLength, acrossLength)
                          : QRectF(across, along, acrossLength, alongLength);
    }
    double Along(const QRectF& r) const { return horizontal ? r.left() : r.top(); }
    double AlongEnd(const QRectF& r) const { return horizontal ? r.right() : r.bottom(); }
};

// What the painter can still change, in its logical coordinates, one pixel
// wider all round; tiles and exclusions outside it make no difference.
QRectF VisibleBounds(const QPainter& canvas) {
    const QPaintDevice* device = canvas.device();
    QRectF bounds = canvas.combinedTransform().inverted().mapRect(
        QRectF(0, 0, device->width(), device->height()));
    if (canvas.hasClipping())
        bounds &= canvas.clipBoundingRect();
    // Kept where integer regions can hold it, whatever the transform.
    constexpr double limit = 1 << 29;
    return bounds.adjusted(-1, -1, 1, 1) & QRectF(-limit, -limit, 2 * limit, 2 * limit);
}

void ExcludeClipRect(QPainter& canvas, const QRectF& rect, const QRectF& visible) {
    const QRect region = visible.toAlignedRect();
    const QRect excluded = (rect & visible).toAlignedRect();
    if (excluded.isEmpty())
        return;
    canvas.setClipRegion(QRegion(region) - QRegion(excluded), Qt::IntersectClip);
}

} // namespace

void DrawTiled(QPainter& canvas, int width, int height, const QImage& source, int first, int second,
               bool horizontal, int x, int y) {
    if (!canvas.isActive() || source.isNull() || width <= 0 || height <= 0 || first < 0 ||
        second < 0)
        return;
    const TTileAxis axis{horizontal};
    const double srcAlong = horizontal ? source.width() : source.height();
    const double srcAcross = horizontal ? source.height() : source.width();
    const double along = horizontal ? x : y;
    const double across = horizontal ? y : x;
    const double targetAlong = horizontal ? width : height;
    const double targetAcross = horizontal ? height : width;
    const double middle = srcAlong - first - second;
    if (middle <= 0)
        return;
    const QRectF visible = VisibleBounds(canvas);
    const QRectF target = axis.Rect(along, across, targetAlong, targetAcross) & visible;
    const QRectF firstCap = axis.Rect(along, across, first, srcAcross);
    const QRectF secondCap = axis.Rect(along + targetAlong - second, across, second, targetAcross);

    // The last tile, and caps longer than the target, would spill past the
    // target rectangle onto whatever else the canvas holds; they stop at its
    // edge. The exclusions are made again after the restore so that they
    // stay in force for the caller.
    canvas.save();
    canvas.setClipRect(target, Qt::IntersectClip);
    canvas.drawImage(firstCap, source, axis.Rect(0, 0, first, srcAcross));
    ExcludeClipRect(canvas, firstCap, visible);
    canvas.drawImage(secondCap, source, axis.Rect(srcAlong - second, 0, second, srcAcross));
    ExcludeClipRect(canvas, secondCap, visible);

    // count + 1 tiles, but only those that can reach the visible part of the
    // target get drawn: a huge target must not mean millions of draw calls.
    const double count = std::trunc(targetAlong / middle);
    const double from = std::max(0.0, std::floor((axis.Along(target) - along) / middle));
    const double to = std::min(count, std::ceil((axis.AlongEnd(target) - along) / middle));
    const QRectF tileSource = axis.Rect(first, 0, middle, srcAcross);
    for (double i = from; i <= to; ++i)
        canvas.drawImage(axis.Rect(along + i * middle, across, middle, targetAcross), source,
                         tileSource);
    canvas.restore();
    ExcludeClipRect(canvas, firstCap, visible);
    ExcludeClipRect(canvas, secondCap, visible);
}

void DrawThreeParts(QImage& target, const QImage& top, const QImage& centre, const QImage& bottom) {
    if (target.isNull())
        return;
    const qint64 stripHeight = qint64(top.height()) + centre.height() + bottom.height();
    if (top.width() <= 0 || stripHeight <= 0 || stripHeight > std::numeric_limits<int>::max())
        return;
    QImage strip(top.width(), int(stripHeight), QImage::Format_RGB32);
    if (strip.isNull())
        return;
    strip.fill(Qt::black);
    {
        QPainter painter(&strip);
        painter.drawImage(0, 0, top);
        painter.drawImage(0, top.height(), centre);
        painter.drawImage(0, top.height() + centre.height(), bottom);
    }
    QPainter painter(&target);
    DrawTiled(painter, target.width(), target.height(), strip, top.height(), bottom.height(), false,
              0, 0);
}
