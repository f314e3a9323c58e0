// The bitmap decoder on its own: every flavour of header, colour table,
// bit fields and run-length data. A file is decoded whole or refused; the
// picture never costs more memory than the input can justify.

#include <algorithm>

#include "FuzzSupport.h"
#include "graphics/BmpDecoder.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    try {
        const TBmpDecoded decoded = DecodeBmp(bytes, QStringLiteral("fuzz.bmp"));
        const QImage& image = decoded.Image;
        FUZZ_CHECK(!image.isNull() && image.format() == QImage::Format_RGB32);
        FUZZ_CHECK(image.width() == decoded.Info.Width && image.height() == decoded.Info.Height);
        // One byte of 1-bit pixels is 8 pixels, one byte of run-length data
        // at most 256 beyond the free allowance; 4 bytes each decoded.
        const qint64 pixels = qint64(image.width()) * image.height();
        FUZZ_CHECK(pixels * 4 <= MaxBmpPixelBytes);
        FUZZ_CHECK(pixels <= std::max(MaxBmpFreeRlePixels, qint64(size) * 256));
        // Every pixel is opaque, whatever the file's alpha bits held.
        FUZZ_CHECK(qAlpha(image.pixel(image.width() - 1, image.height() - 1)) == 255);
    } catch (const EBadBitmap& error) {
        FUZZ_CHECK(!error.Reason.isEmpty() && error.message().contains(QLatin1String("fuzz.bmp")));
    }
    return 0;
}
