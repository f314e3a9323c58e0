#include "tools/SheetView.h"

#include <algorithm>
#include <cstring>

#include <QPaintEvent>
#include <QPainter>

namespace {

qint64 FloorDiv(qint64 value, qint64 by) {
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

// Corners further out than this are off any view; clamping keeps QRect's
// own arithmetic safe with corners typed at the ends of the int range.
constexpr qint64 ViewLimit = qint64(1) << 29;

int Limit(qint64 value) {
    return int(std::clamp(value, -ViewLimit, ViewLimit));
}

// Half way to black on a light pixel, half way to white on a dark one:
// visible on every colour, mid grey included, and the pixel's own colour
// still shows through.
QRgb GridBlend(QRgb pixel) {
    const QRgb half = (pixel >> 1) & 0x7F7F7F;
    return 0xFF000000 | (qGray(pixel) >= 128 ? half : half + 0x808080);
}

} // namespace

TSheetView::TSheetView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSheetView::SetImage(const QImage& image) {
    FImage = image.convertToFormat(QImage::Format_RGB32);
    SetZoom(FZoom);
}

void TSheetView::SetZoom(int zoom) {
    FZoom = std::clamp(zoom, MinZoom, MaxZoom);
    resize(FImage.width() * FZoom, FImage.height() * FZoom);
}

QPoint TSheetView::ToSheet(const QPoint& view) const {
    return {int(FloorDiv(view.x(), FZoom)), int(FloorDiv(view.y(), FZoom))};
}

QRect TSheetView::ScreenRect(const TRect& rect) const {
    const qint64 left = std::min(rect.Left, rect.Right), right = std::max(rect.Left, rect.Right);
    const qint64 top = std::min(rect.Top, rect.Bottom), bottom = std::max(rect.Top, rect.Bottom);
    const int l = Limit(left * FZoom), t = Limit(top * FZoom);
    return QRect(l, t, Limit(right * FZoom) - l, Limit(bottom * FZoom) - t);
}

// ------------------------------------------------------------------ marks

std::vector<QRect> TSheetView::Strokes(const TMark& mark) const {
    std::vector<qint64> runs; // left, top, right, bottom per run
    const qint64 z = FZoom;
    if (mark.IsCross) {
        // Four arms towards the pixel, through the middle of its enlarged
        // square; the square itself stays as it is.
        const qint64 x = mark.Cross.x(), y = mark.Cross.y();
        const qint64 cx = x * z + z / 2, cy = y * z + z / 2;
        runs = {0,  cy, x * z - 1, cy,        (x + 1) * z, cy,          width(), cy,
                cx, 0,  cx,        y * z - 1, cx,          (y + 1) * z, cx,      height()};
    } else {
        const qint64 l = std::min(mark.Band.Left, mark.Band.Right) * z;
        const qint64 t = std::min(mark.Band.Top, mark.Band.Bottom) * z;
        const qint64 r = std::max(mark.Band.Left, mark.Band.Right) * z - 1;
        const qint64 b = std::max(mark.Band.Top, mark.Band.Bottom) * z - 1;
        if (r < l || b < t)
            return {};
        // Each outline pixel exactly once, or a corner would invert itself back.
        runs = {l, t, r, t};
        if (b > t)
            runs.insert(runs.end(), {l, b, r, b});
        if (b - 1 >= t + 1) {
            runs.insert(runs.end(), {l, t + 1, l, b - 1});
            if (r > l)
                runs.insert(runs.end(), {r, t + 1, r, b - 1});
        }
    }
    std::vector<QRect> strokes;
    for (std::size_t i = 0; i + 3 < runs.size(); i += 4) {
        const qint64 left = std::max<qint64>(runs[i], 0);
        const qint64 top = std::max<qint64>(runs[i + 1], 0);
        const qint64 right = std::min<qint64>(runs[i + 2], width() - 1);
        const qint64 bottom = std::min<qint64>(runs[i + 3], height() - 1);
        if (left <= right && top <= bottom)
            strokes.emplace_back(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
    }
    return strokes;
}

QRegion TSheetView::Area(const std::vector<QRect>& strokes) const {
    QRegion area;
    for (const QRect& stroke : strokes)
        area += stroke;
    return area;
}

void TSheetView::Toggle(const TMark& mark) {
    const auto shown = std::find(FMarks.begin(), FMarks.end(), mark);
    if (shown != FMarks.end())
        FMarks.erase(shown);
    else
        FMarks.push_back(mark);
    update(Area(Strokes(mark)));
}

void TSheetView::ToggleBand(const TRect& rect) {
    Toggle({false, rect, {}});
}

void TSheetView::ToggleCross(const QPoint& pixel) {
    Toggle({true, {}, pixel});
}

void TSheetView::ClearMarks() {
    for (const TMark& mark : FMarks)
        update(Area(Strokes(mark)));
    FMarks.clear();
}

std::vector<QRect> TSheetView::HandleBoxes() const {
    if (!FHandles)
        return {};
    const QRect r = ScreenRect(*FHandles);
    if (r.isEmpty())
        return {};
    // Outside the rectangle, so they never hide the pixels at its border.
    const int s = HandleSize;
    const int left = r.left() - s, right = r.right() + 1;
    const int top = r.top() - s, bottom = r.bottom() + 1;
    std::vector<QRect> boxes{QRect(left, top, s, s), QRect(right, top, s, s),
                             QRect(left, bottom, s, s), QRect(right, bottom, s, s)};
    if (r.width() >= 4 * s)
        boxes.insert(boxes.end(), {QRect(r.center().x() - s / 2, top, s, s),
                                   QRect(r.center().x() - s / 2, bottom, s, s)});
    if (r.height() >= 4 * s)
        boxes.insert(boxes.end(), {QRect(left, r.center().y() - s / 2, s, s),
                                   QRect(right, r.center().y() - s / 2, s, s)});
    return boxes;
}

void TSheetView::SetHandles(const std::optional<TRect>& rect) {
    if (rect == FHandles)
        return;
    update(Area(HandleBoxes()));
    FHandles = rect;
    update(Area(HandleBoxes()));
}

// ------------------------------------------------------------------ paint

void TSheetView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Rectangle by rectangle: a band that moved exposes eight thin strips,
    // not the box around them.
    for (const QRect& area : event->region())
        PaintArea(painter, area);
}

void TSheetView::PaintArea(QPainter& painter, const QRect& area) const {
    QImage buffer(area.size(), QImage::Format_RGB32);
    DrawSheet(buffer, area);
    if (FZoom >= GridZoom)
        DrawGrid(buffer, area);
    for (const TMark& mark : FMarks) {
        for (const QRect& stroke : Strokes(mark)) {
            const QRect part = stroke & area;
            for (int y = part.top(); y <= part.bottom(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(buffer.scanLine(y - area.top()));
                // Every other pixel on a checkerboard: a dotted line in any direction.
                for (int x = part.left() + ((part.left() + y) & 1); x <= part.right(); x += 2)
                    line[x - area.left()] ^= 0x00FFFFFF;
            }
        }
    }
    const std::vector<QRect> handles = HandleBoxes();
    if (!handles.empty()) {
        QPainter overlay(&buffer);
        overlay.translate(-area.topLeft());
        overlay.setPen(Qt::black);
        overlay.setBrush(Qt::white);
        for (const QRect& box : handles)
            if (box.intersects(area))
                overlay.drawRect(box.adjusted(0, 0, -1, -1));
    }
    painter.drawImage(area.topLeft(), buffer);
}

void TSheetView::DrawSheet(QImage& buffer, const QRect& area) const {
    const QRgb background = palette().color(QPalette::Window).rgb();
    // Which sheet column each buffer column shows; a row of the sheet is
    // worked out once and copied for the zoom - 1 view rows below it.
    std::vector<int> columns(std::size_t(area.width()));
    for (int x = 0; x < area.width(); ++x)
        columns[std::size_t(x)] = (area.left() + x) / FZoom;
    int madeFrom = -1;
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(buffer.scanLine(y));
        const int sheetRow = (area.top() + y) / FZoom;
        if (sheetRow >= FImage.height()) {
            std::fill_n(line, area.width(), background);
            continue;
        }
        if (sheetRow == madeFrom && y > 0) {
            std::memcpy(line, buffer.constScanLine(y - 1), std::size_t(area.width()) * 4);
            continue;
        }
        const auto* source = reinterpret_cast<const QRgb*>(FImage.constScanLine(sheetRow));
        if (FZoom == 1 && area.right() < FImage.width()) {
            std::memcpy(line, source + area.left(), std::size_t(area.width()) * 4);
            continue;
        }
        for (int x = 0; x < area.width(); ++x) {
            const int column = columns[std::size_t(x)];
            line[x] = column < FImage.width() ? source[column] : background;
        }
        madeFrom = sheetRow;
    }
}

void TSheetView::DrawGrid(QImage& buffer, const QRect& area) const {
    // A line along the top and the left of every enlarged pixel.
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(buffer.scanLine(y));
        if ((area.top() + y) % FZoom == 0) {
            for (int x = 0; x < area.width(); ++x)
                line[x] = GridBlend(line[x]);
            continue;
        }
        for (int x = (FZoom - area.left() % FZoom) % FZoom; x < area.width(); x += FZoom)
            line[x] = GridBlend(line[x]);
    }
}
