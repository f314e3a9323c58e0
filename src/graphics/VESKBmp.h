#pragma once

#include <cstdint>
#include <span>

#include <QImage>

class QPainter;

// A 24-bit working copy of an image with direct access to its pixel rows.
// Rows run top-down, each pixel is blue, green, red, and every row is padded
// to a multiple of four bytes; row copies never touch the padding.
class TVESKBmp {
public:
    // Takes a 24-bit copy of source in any format; a null source gives an
    // empty bitmap.
    explicit TVESKBmp(const QImage& source);

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    int Stride() const { return int(FImage.bytesPerLine()); }
    qsizetype ImageSize() const { return qsizetype(Stride()) * Height(); }
    std::uint8_t* Bits() { return FImage.bits(); }
    const std::uint8_t* Bits() const { return FImage.constBits(); }

    // Draws the whole image unscaled with its top left corner at x, y.
    void Draw(QPainter& painter, int x, int y) const;

    // Copy Width() * 3 bytes between row y and buffer. A row outside the
    // image or a buffer shorter than a row leaves both sides untouched.
    void GetRow(int y, std::span<std::uint8_t> buffer) const;
    void SetRow(int y, std::span<const std::uint8_t> buffer);

    const QImage& Image() const { return FImage; }

private:
    bool RowFits(int y, std::size_t bufferSize) const;

    QImage FImage;
};
