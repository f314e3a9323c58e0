#include "graphics/SpriteSnap.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr QRgb KeyRgb = 0x00FF00FF;

bool IsKey(const QRgb* line, int x) {
    return (line[x] & 0x00FFFFFF) == KeyRgb;
}

const QRgb* Line(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

qint64 FloorDiv(qint64 value, int by) {
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

} // namespace

bool IsKeyPixel(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return true;
    return IsKey(Line(image, y), x);
}

// A scan-line fill: whole runs of a row at a time, each run seeding the runs
// it touches in the rows above and below, so a 4096-pixel-wide sprite costs
// one stack entry per run rather than one per pixel.
std::optional<TRect> SpriteBounds(const QImage& image, const QPoint& at) {
    if (IsKeyPixel(image, at.x(), at.y()))
        return std::nullopt;
    const int width = image.width();
    const int height = image.height();
    std::vector<std::uint8_t> seen(std::size_t(width) * std::size_t(height), 0);
    const auto open = [&](int x, int y) {
        return !seen[std::size_t(y) * width + x] && !IsKey(Line(image, y), x);
    };

    TRect box{at.x(), at.y(), at.x() + 1, at.y() + 1};
    std::vector<QPoint> seeds{at};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const int y = seed.y();
        if (!open(seed.x(), y))
            continue;
        int left = seed.x();
        int right = seed.x();
        while (left > 0 && open(left - 1, y))
            --left;
        while (right + 1 < width && open(right + 1, y))
            ++right;
        std::fill_n(seen.begin() + std::ptrdiff_t(std::size_t(y) * width + left), right - left + 1,
                    std::uint8_t(1));
        box = {std::min(box.Left, left), std::min(box.Top, y), std::max(box.Right, right + 1),
               std::max(box.Bottom, y + 1)};
        for (const int row : {y - 1, y + 1}) {
            if (row < 0 || row >= height)
                continue;
            bool inRun = false;
            for (int x = std::max(left - 1, 0); x <= std::min(right + 1, width - 1); ++x) {
                const bool fillable = open(x, row);
                if (fillable && !inRun)
                    seeds.emplace_back(x, row);
                inRun = fillable;
            }
        }
    }
    return box;
}

bool IsKeyBorder(const QImage& image, TEdgeAxis axis, int edge, const TEdgeSpan& span) {
    const bool columns = axis == TEdgeAxis::Column;
    const int across = columns ? image.height() : image.width();
    const int along = columns ? image.width() : image.height();
    if (edge < 0 || edge > along)
        return false;
    const int first = std::max(span.First, 0);
    const int last = std::min(span.Last, across - 1);
    for (int i = first; i <= last; ++i) {
        const bool before =
            columns ? IsKeyPixel(image, edge - 1, i) : IsKeyPixel(image, i, edge - 1);
        const bool after = columns ? IsKeyPixel(image, edge, i) : IsKeyPixel(image, i, edge);
        if (before != after)
            return true;
    }
    return false;
}

std::optional<int> NearestKeyBorder(const QImage& image, TEdgeAxis axis, qint64 screenPos, int zoom,
                                    int radius, const TEdgeSpan& span) {
    zoom = std::max(zoom, 1);
    const qint64 along = axis == TEdgeAxis::Column ? image.width() : image.height();
    const qint64 from = std::max<qint64>(FloorDiv(screenPos - radius + zoom - 1, zoom), 0);
    const qint64 to = std::min<qint64>(FloorDiv(screenPos + radius, zoom), along);
    std::optional<int> best;
    qint64 bestDistance = 0;
    for (qint64 edge = from; edge <= to; ++edge) {
        const qint64 distance = std::abs(edge * zoom - screenPos);
        if ((best && distance >= bestDistance) || !IsKeyBorder(image, axis, int(edge), span))
            continue;
        best = int(edge);
        bestDistance = distance;
    }
    return best;
}
