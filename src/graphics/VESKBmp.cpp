#include "graphics/VESKBmp.h"

#include <cstring>

#include <QPainter>

TVESKBmp::TVESKBmp(const QImage& source) : FImage(source.convertToFormat(QImage::Format_BGR888)) {
    // convertToFormat shares the pixels when the source already is 24-bit;
    // the working copy must never write through into the caller's image.
    FImage.detach();
}

void TVESKBmp::Draw(QPainter& painter, int x, int y) const {
    painter.drawImage(x, y, FImage);
}

bool TVESKBmp::RowFits(int y, std::size_t bufferSize) const {
    return y >= 0 && y < Height() && bufferSize >= std::size_t(Width()) * 3;
}

void TVESKBmp::GetRow(int y, std::span<std::uint8_t> buffer) const {
    if (!RowFits(y, buffer.size()))
        return;
    std::memcpy(buffer.data(), FImage.constScanLine(y), std::size_t(Width()) * 3);
}

void TVESKBmp::SetRow(int y, std::span<const std::uint8_t> buffer) {
    if (!RowFits(y, buffer.size()))
        return;
    std::memcpy(FImage.scanLine(y), buffer.data(), std::size_t(Width()) * 3);
}
