#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include <QRect>

// A skin rectangle: right and bottom are exclusive, unlike QRect's right()
// and bottom(), so conversions go through here and nowhere else.
//
// Rectangles come from strangers' files, so no arithmetic on them may
// overflow: sizes saturate at the int range, and ToQRect clamps corners to a
// range where QRect's own arithmetic is safe; no real texture comes near it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static constexpr int kQRectLimit = 1 << 29;

    constexpr int Width() const { return Span(Left, Right); }
    constexpr int Height() const { return Span(Top, Bottom); }
    constexpr bool IsZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }

    QRect ToQRect() const {
        const int l = Clamp(Left), t = Clamp(Top), r = Clamp(Right), b = Clamp(Bottom);
        return QRect(l, t, r - l, b - t);
    }
    static TRect FromQRect(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;

private:
    static constexpr int Span(int from, int to) {
        const std::int64_t d = std::int64_t(to) - from;
        return int(std::clamp<std::int64_t>(d, std::numeric_limits<int>::min(),
                                            std::numeric_limits<int>::max()));
    }
    static constexpr int Clamp(int v) { return std::clamp(v, -kQRectLimit, kQRectLimit); }
};

// a + b, held at the ends of the int range instead of wrapping.
constexpr int SaturatedAdd(int a, int b) {
    return int(std::clamp<std::int64_t>(std::int64_t(a) + b, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}
