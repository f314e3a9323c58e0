#pragma once

#include <memory>

#include <QImage>

// A bitmap as it stood, or that there was none. The pixels are shared with
// the bitmap until either side changes, so keeping one costs nothing.
struct TBitmapState {
    bool Present = false;
    QImage Image;
    bool operator==(const TBitmapState& other) const;
};

TBitmapState BitmapState(const std::unique_ptr<QImage>& bitmap);
void RestoreBitmap(std::unique_ptr<QImage>& bitmap, const TBitmapState& state);
