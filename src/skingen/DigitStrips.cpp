#include "skingen/DigitStrips.h"

#include <QPainter>
#include <QPolygonF>

#include "skingen/Pictograms.h"
#include "skingen/PixelFont.h"
#include "skingen/SkinPalette.h"

namespace {

constexpr char GlyphOrder[] = "0123456789:- ";

// Segments a to g as bits 0 to 6.
constexpr int SegmentsOf(char c) {
    switch (c) {
    case '0': return 0x3F;
    case '1': return 0x06;
    case '2': return 0x5B;
    case '3': return 0x4F;
    case '4': return 0x66;
    case '5': return 0x6D;
    case '6': return 0x7D;
    case '7': return 0x07;
    case '8': return 0x7F;
    case '9': return 0x6F;
    case '-': return 0x40;
    default: return 0;
    }
}

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Palette::Lcd);
    return image;
}

// A bevelled bar between two points, t thick.
QPolygonF Segment(QPointF a, QPointF b, qreal t) {
    const bool horizontal = a.y() == b.y();
    const qreal h = t / 2;
    if (horizontal)
        return QPolygonF({a, {a.x() + h, a.y() - h}, {b.x() - h, b.y() - h}, b,
                          {b.x() - h, b.y() + h}, {a.x() + h, a.y() + h}});
    return QPolygonF({a, {a.x() + h, a.y() + h}, {b.x() + h, b.y() - h}, b, {b.x() - h, b.y() - h},
                      {a.x() - h, a.y() + h}});
}

void DrawSegments(QPainter& painter, const QRectF& box, int lit, qreal t) {
    const qreal l = box.left() + t / 2, r = box.right() - t / 2;
    const qreal top = box.top() + t / 2, mid = box.center().y(), bottom = box.bottom() - t / 2;
    const qreal g = 0.6; // the hairline gap between neighbouring segments
    const QPolygonF segments[7] = {
        Segment({l + g, top}, {r - g, top}, t),       Segment({r, top + g}, {r, mid - g}, t),
        Segment({r, mid + g}, {r, bottom - g}, t),    Segment({l + g, bottom}, {r - g, bottom}, t),
        Segment({l, mid + g}, {l, bottom - g}, t),    Segment({l, top + g}, {l, mid - g}, t),
        Segment({l + g, mid}, {r - g, mid}, t),
    };
    for (int i = 0; i < 7; ++i) {
        painter.setBrush(lit & (1 << i) ? Palette::Accent : Palette::Ghost);
        painter.drawPolygon(segments[i]);
    }
}

} // namespace

QImage SegmentStrip(QSize stripSize) {
    QImage image = Blank(stripSize);
    const int w = stripSize.width() / 13, h = stripSize.height();
    const qreal t = h >= 16 ? 2.2 : 1.6;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 13; ++i) {
        const char c = GlyphOrder[i];
        const QRectF cell(i * w, 0, w, h);
        if (c == ':') {
            const qreal d = t + 0.4;
            painter.setBrush(Palette::Accent);
            painter.drawRect(QRectF(cell.center().x() - d / 2, h * 0.3 - d / 2, d, d));
            painter.drawRect(QRectF(cell.center().x() - d / 2, h * 0.7 - d / 2, d, d));
            continue;
        }
        // Digits lean on a box one pixel in from the cell and leave two
        // pixels to the next glyph.
        DrawSegments(painter, cell.adjusted(1, 1, -2, -1), SegmentsOf(c), t);
    }
    return image;
}

QImage MatrixStrip(QSize stripSize) {
    QImage image = Blank(stripSize);
    const int w = stripSize.width() / 13;
    const int top = (stripSize.height() - 7) / 2;
    for (int i = 0; i < 13; ++i) {
        const QPoint origin(i * w, top);
        DrawMatrixGlyph(image, origin, QLatin1Char(GlyphOrder[i]), Palette::Accent);
    }
    return image;
}

QImage PlayStateStrip(QSize stripSize) {
    QImage image = Blank(stripSize);
    const int w = stripSize.width() / 3;
    QPainter painter(&image);
    const Pictogram signs[] = {Pictogram::Stop, Pictogram::Play, Pictogram::Pause};
    for (int i = 0; i < 3; ++i)
        DrawPictogram(painter, signs[i], QRectF(i * w + 1, 1, w - 2, stripSize.height() - 2),
                      Palette::Accent);
    return image;
}

QImage ChannelStrip(QSize stripSize) {
    QImage image = Blank(stripSize);
    const int w = stripSize.width() / 3;
    const qreal r = (stripSize.height() - 2) / 4.0;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(i * w + w / 2.0, stripSize.height() / 2.0);
        const QPointF left = c - QPointF(r * 0.8, 0), right = c + QPointF(r * 0.8, 0);
        const QColor leftInk = i >= 1 ? Palette::Accent : Palette::Ghost;
        const QColor rightInk = i == 2 ? Palette::Accent : Palette::Ghost;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(rightInk, 1.3));
        painter.drawEllipse(right, r, r);
        painter.setPen(QPen(leftInk, 1.3));
        painter.drawEllipse(i == 1 ? c : left, r, r);
    }
    return image;
}

QImage MeterStrip(QSize size, bool lit) {
    QImage image = Blank(size);
    QPainter painter(&image);
    // Two-pixel segments with a one-pixel gap, hottest at the top.
    for (int y = size.height() - 2, n = 0; y >= 0; y -= 3, ++n) {
        const qreal heat = 1.0 - qreal(y) / size.height();
        QColor ink = Palette::Ghost;
        if (lit)
            ink = heat > 0.8 ? Palette::AccentBright : Palette::Accent;
        painter.fillRect(QRect(0, y, size.width(), 2), ink);
    }
    return image;
}
