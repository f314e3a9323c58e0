#pragma once

#include <QRect>

// A skin rectangle: right and bottom are exclusive, unlike QRect's right()
// and bottom(), so conversions go through here and nowhere else.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }

    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};
