#include "editor/edits/BitmapEdit.h"

bool TBitmapState::operator==(const TBitmapState& other) const {
    if (Present != other.Present)
        return false;
    // The same key is the same pixels; comparing them all would cost a
    // large sheet a frame or more.
    return Image.cacheKey() == other.Image.cacheKey() || Image == other.Image;
}

TBitmapState BitmapState(const std::unique_ptr<QImage>& bitmap) {
    return bitmap ? TBitmapState{true, *bitmap} : TBitmapState{};
}

void RestoreBitmap(std::unique_ptr<QImage>& bitmap, const TBitmapState& state) {
    if (!state.Present) {
        bitmap.reset();
        return;
    }
    // The bitmap object stays: renderers and the save hold on to it.
    if (!bitmap)
        bitmap = std::make_unique<QImage>();
    *bitmap = state.Image;
}
