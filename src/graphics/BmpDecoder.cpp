#include "graphics/BmpDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include <QFile>

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr int kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5,
              kAlphaBitFields = 6;
// The reader never needs more than the v5 header's fields; a larger header
// is taken as a v5 one with extensions nobody asked for.
constexpr qint64 kMaxHeaderSize = 1024;

[[noreturn]] void Refuse(const QString& reason) {
    // The caller adds the file's name.
    throw EBadBitmap(QString(), reason);
}

// Little-endian fields of the input; every read is checked against its end.
class TBytes {
public:
    explicit TBytes(const QByteArray& bytes)
        : FData(reinterpret_cast<const std::uint8_t*>(bytes.constData())), FSize(bytes.size()) {}

    qint64 Size() const { return FSize; }
    bool Has(qint64 at, qint64 count) const { return at >= 0 && count >= 0 && at + count <= FSize; }
    const std::uint8_t* At(qint64 at) const { return FData + at; }
    std::uint8_t U8(qint64 at) const { return FData[at]; }
    std::uint16_t U16(qint64 at) const { return std::uint16_t(FData[at] | FData[at + 1] << 8); }
    std::uint32_t U32(qint64 at) const {
        return std::uint32_t(U16(at)) | std::uint32_t(U16(at + 2)) << 16;
    }

private:
    const std::uint8_t* FData;
    qint64 FSize;
};

// One colour channel of a bit-field pixel, widened to 0..255.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint32_t Max = 0;

    static TChannel Of(std::uint32_t mask) {
        TChannel channel;
        if (mask == 0)
            return channel;
        channel.Mask = mask;
        channel.Shift = std::countr_zero(mask);
        channel.Max = mask >> channel.Shift;
        // A mask with holes in it describes no channel any tool writes.
        if ((channel.Max & (channel.Max + 1)) != 0)
            Refuse(QStringLiteral("its colour masks are not runs of bits"));
        return channel;
    }
    int Value(std::uint32_t pixel) const {
        if (Mask == 0)
            return 0;
        const std::uint64_t v = (pixel & Mask) >> Shift;
        return int((v * 255 + Max / 2) / Max);
    }
};

struct TLayout {
    TBmpInfo Info;
    std::vector<QRgb> Palette;
    std::array<TChannel, 3> Channels; // red, green, blue
    qint64 PixelOffset = 0;
};

QString NotBitmapReason(const TBytes& in) {
    if (in.Size() == 0)
        return QStringLiteral("the file is empty");
    const auto startsWith = [&](std::initializer_list<std::uint8_t> magic) {
        if (!in.Has(0, qint64(magic.size())))
            return false;
        qint64 i = 0;
        for (std::uint8_t byte : magic)
            if (in.U8(i++) != byte)
                return false;
        return true;
    };
    if (startsWith({0x89, 'P', 'N', 'G'}))
        return QStringLiteral("it is a PNG picture, not a bitmap");
    if (startsWith({0xFF, 0xD8, 0xFF}))
        return QStringLiteral("it is a JPEG picture, not a bitmap");
    if (startsWith({'G', 'I', 'F', '8'}))
        return QStringLiteral("it is a GIF picture, not a bitmap");
    return QStringLiteral("it does not begin with \"BM\"");
}

void ReadHeader(const TBytes& in, TLayout& layout) {
    if (!in.Has(0, 2) || in.U8(0) != 'B' || in.U8(1) != 'M')
        Refuse(NotBitmapReason(in));
    if (!in.Has(kFileHeaderSize, 4))
        Refuse(QStringLiteral("its headers are cut short"));
    TBmpInfo& info = layout.Info;
    const qint64 headerSize = in.U32(kFileHeaderSize);
    if (headerSize != 12 && (headerSize < 16 || headerSize > kMaxHeaderSize))
        Refuse(QStringLiteral("its header has the unknown size %1").arg(headerSize));
    if (!in.Has(kFileHeaderSize, headerSize))
        Refuse(QStringLiteral("its headers are cut short"));
    info.HeaderSize = int(headerSize);
    const qint64 h = kFileHeaderSize;
    qint64 width = 0, height = 0;
    if (headerSize == 12) {
        width = in.U16(h + 4);
        height = in.U16(h + 6);
        info.BitCount = in.U16(h + 10);
    } else {
        width = std::int32_t(in.U32(h + 4));
        height = std::int32_t(in.U32(h + 8));
        info.BitCount = in.U16(h + 14);
        info.Compression = headerSize >= 20 ? int(in.U32(h + 16)) : kRgb;
    }
    info.TopDown = height < 0;
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > MaxBmpSide || height > MaxBmpSide ||
        width * height * 4 > MaxBmpPixelBytes)
        Refuse(QStringLiteral("it declares an absurd size (%1 x %2)").arg(width).arg(height));
    info.Width = int(width);
    info.Height = int(height);
}

void CheckCompression(const TBmpInfo& info) {
    const int bits = info.BitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        Refuse(QStringLiteral("it has %1 bits per pixel").arg(bits));
    // OS/2 2 headers give 3 and 4 other meanings (Huffman, RLE24) no tool
    // of today writes.
    const bool os2 = info.HeaderSize > 12 && info.HeaderSize < 40;
    const int c = info.Compression;
    const bool fits =
        c == kRgb || (c == kRle8 && bits == 8) || (c == kRle4 && bits == 4) ||
        (!os2 && (c == kBitFields || c == kAlphaBitFields) && (bits == 16 || bits == 32));
    if (fits)
        return;
    if (c == kJpeg && !os2)
        Refuse(QStringLiteral("it holds a JPEG picture inside"));
    if (c == kPng)
        Refuse(QStringLiteral("it holds a PNG picture inside"));
    Refuse(QStringLiteral("it uses compression %1 with %2 bits per pixel").arg(c).arg(bits));
}

// Bit fields, the colour table and where the pixels begin.
void ReadTables(const TBytes& in, TLayout& layout) {
    const TBmpInfo& info = layout.Info;
    const qint64 h = kFileHeaderSize;
    qint64 tableStart = h + info.HeaderSize;
    const bool fields = info.Compression == kBitFields || info.Compression == kAlphaBitFields;
    if (fields) {
        // A v3 header is followed by the masks; later headers hold them.
        qint64 masks = h + 40;
        if (info.HeaderSize < 52) {
            masks = tableStart;
            tableStart += info.Compression == kAlphaBitFields ? 16 : 12;
            if (!in.Has(masks, 12))
                Refuse(QStringLiteral("its colour masks are cut short"));
        }
        for (int i = 0; i < 3; ++i)
            layout.Channels[std::size_t(i)] = TChannel::Of(in.U32(masks + 4 * i));
        if (!layout.Channels[0].Mask && !layout.Channels[1].Mask && !layout.Channels[2].Mask)
            Refuse(QStringLiteral("its colour masks are all empty"));
    } else if (info.BitCount == 16) {
        layout.Channels = {TChannel::Of(0x7C00), TChannel::Of(0x03E0), TChannel::Of(0x001F)};
    } else if (info.BitCount == 32) {
        layout.Channels = {TChannel::Of(0xFF0000), TChannel::Of(0xFF00), TChannel::Of(0xFF)};
    }

    const bool core = info.HeaderSize == 12;
    const qint64 entrySize = core ? 3 : 4;
    const qint64 used = (!core && info.HeaderSize >= 36) ? in.U32(h + 32) : 0;
    const qint64 maxEntries = info.BitCount <= 8 ? (qint64(1) << info.BitCount) : 0;
    qint64 entries = info.BitCount <= 8 ? (used > 0 ? std::min(used, maxEntries) : maxEntries)
                                        : std::min<qint64>(used, 256);
    // The pixels start where the file header says, unless that points into
    // the headers (0 among others): then right after the colour table. A
    // table that the pixel offset cuts short keeps the entries before it.
    const qint64 declared = in.U32(10);
    qint64 pixels = tableStart + entries * entrySize;
    if (declared >= tableStart) {
        pixels = declared;
        entries = std::min(entries, (declared - tableStart) / entrySize);
    }
    if (pixels > in.Size())
        Refuse(QStringLiteral("its pixels would begin at byte %1 of a file of %2 bytes")
                   .arg(pixels)
                   .arg(in.Size()));
    if (info.BitCount <= 8) {
        if (!in.Has(tableStart, entries * entrySize))
            Refuse(QStringLiteral("its colour table is cut short"));
        layout.Palette.resize(std::size_t(maxEntries), qRgb(0, 0, 0));
        for (qint64 i = 0; i < entries; ++i) {
            const std::uint8_t* e = in.At(tableStart + i * entrySize);
            layout.Palette[std::size_t(i)] = qRgb(e[2], e[1], e[0]);
        }
    }
    layout.PixelOffset = pixels;
}

QRgb* TargetRow(QImage& image, const TBmpInfo& info, int fileRow) {
    const int y = info.TopDown ? fileRow : info.Height - 1 - fileRow;
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

qint64 RowStride(const TBmpInfo& info) {
    return (qint64(info.Width) * info.BitCount + 31) / 32 * 4;
}

void CheckPixelArea(const TBytes& in, const TLayout& layout) {
    const qint64 need = RowStride(layout.Info) * layout.Info.Height;
    const qint64 have = in.Size() - layout.PixelOffset;
    if (have < need)
        Refuse(QStringLiteral("its pixel area is cut short (%1 of %2 bytes)").arg(have).arg(need));
}

QImage NewImage(const TBmpInfo& info) {
    QImage image(info.Width, info.Height, QImage::Format_RGB32);
    if (image.isNull())
        Refuse(QStringLiteral("there is not enough memory for its %1 x %2 pixels")
                   .arg(info.Width)
                   .arg(info.Height));
    return image;
}

void DecodeRows(const TBytes& in, const TLayout& layout, QImage& image) {
    const TBmpInfo& info = layout.Info;
    const qint64 stride = RowStride(info);
    const auto& [red, green, blue] = layout.Channels;
    for (int row = 0; row < info.Height; ++row) {
        const std::uint8_t* src = in.At(layout.PixelOffset + row * stride);
        QRgb* dst = TargetRow(image, info, row);
        for (int x = 0; x < info.Width; ++x) {
            switch (info.BitCount) {
            case 1:
                dst[x] = layout.Palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                dst[x] = layout.Palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                break;
            case 8:
                dst[x] = layout.Palette[src[x]];
                break;
            case 24:
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            case 16: {
                const std::uint32_t p = std::uint32_t(src[2 * x] | src[2 * x + 1] << 8);
                dst[x] = qRgb(red.Value(p), green.Value(p), blue.Value(p));
                break;
            }
            default: {
                const std::uint8_t* s = src + 4 * x;
                const std::uint32_t p =
                    std::uint32_t(s[0] | s[1] << 8 | s[2] << 16) | std::uint32_t(s[3]) << 24;
                dst[x] = qRgb(red.Value(p), green.Value(p), blue.Value(p));
            }
            }
        }
    }
}

// Run-length data into palette indices, file row 0 first. Pixels the data
// skips (end of line, end of bitmap, jumps) keep index 0.
std::vector<std::uint8_t> ExpandRle(const TBytes& in, const TLayout& layout) {
    const TBmpInfo& info = layout.Info;
    const bool four = info.Compression == kRle4;
    const qint64 width = info.Width, height = info.Height;
    const qint64 bytes = in.Size() - layout.PixelOffset;
    if (width * height > std::max(MaxBmpFreeRlePixels, bytes * 256))
        Refuse(QStringLiteral("it declares %1 x %2 pixels for %3 bytes of run-length data")
                   .arg(width)
                   .arg(height)
                   .arg(bytes));
    std::vector<std::uint8_t> indices(std::size_t(width * height), 0);
    qint64 x = 0, y = 0, p = layout.PixelOffset;
    const auto put = [&](std::uint8_t index) {
        if (x < width && y < height)
            indices[std::size_t(y * width + x)] = index;
        ++x;
    };
    const auto cutShort = [] {
        Refuse(QStringLiteral("its run-length data ends before the end-of-bitmap mark"));
    };
    while (y < height) {
        if (!in.Has(p, 2))
            cutShort();
        const int count = in.U8(p), value = in.U8(p + 1);
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(four ? std::uint8_t((i & 1) ? value & 0xF : value >> 4) : std::uint8_t(value));
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (!in.Has(p, 2))
                cutShort();
            x += in.U8(p);
            y += in.U8(p + 1);
            p += 2;
        } else {
            // Absolute run: value pixels as they stand, padded to 16 bits.
            const qint64 length = four ? (value + 1) / 2 : value;
            if (!in.Has(p, length))
                cutShort();
            for (int i = 0; i < value; ++i) {
                const std::uint8_t b = in.U8(p + (four ? i / 2 : i));
                put(four ? std::uint8_t((i & 1) ? b & 0xF : b >> 4) : b);
            }
            p += length + (length & 1);
        }
    }
    return indices;
}

void PaintIndices(const std::vector<std::uint8_t>& indices, const TLayout& layout, QImage& image) {
    const TBmpInfo& info = layout.Info;
    for (int row = 0; row < info.Height; ++row) {
        const std::uint8_t* src = indices.data() + qint64(row) * info.Width;
        QRgb* dst = TargetRow(image, info, row);
        for (int x = 0; x < info.Width; ++x)
            dst[x] = layout.Palette[src[x]];
    }
}

} // namespace

EBadBitmap::EBadBitmap(const QString& fileName, const QString& reason)
    : EVESKError(QStringLiteral("\"%1\" is not a readable bitmap: %2").arg(fileName, reason)),
      FileName(fileName), Reason(reason) {}

TBmpDecoded DecodeBmp(const QByteArray& bytes, const QString& fileName) {
    try {
        const TBytes in(bytes);
        TLayout layout;
        ReadHeader(in, layout);
        CheckCompression(layout.Info);
        ReadTables(in, layout);
        // The picture is allocated only once the input has shown that it
        // holds every pixel: a header alone never costs its declared size.
        QImage image;
        if (layout.Info.Compression == kRle8 || layout.Info.Compression == kRle4) {
            const std::vector<std::uint8_t> indices = ExpandRle(in, layout);
            image = NewImage(layout.Info);
            PaintIndices(indices, layout, image);
        } else {
            CheckPixelArea(in, layout);
            image = NewImage(layout.Info);
            DecodeRows(in, layout, image);
        }
        return {image, layout.Info};
    } catch (const EBadBitmap& error) {
        throw EBadBitmap(fileName, error.Reason);
    } catch (const std::bad_alloc&) {
        throw EBadBitmap(fileName, QStringLiteral("there is not enough memory to decode it"));
    }
}

TBmpDecoded ReadBmpFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EBadBitmap(path, file.errorString());
    // No bitmap within the limits comes near this; reading a bigger file
    // whole would only be memory spent on a refusal.
    constexpr qint64 maxFileSize = MaxBmpPixelBytes + (qint64(16) << 20);
    if (file.size() > maxFileSize)
        throw EBadBitmap(path, QStringLiteral("the file is too large (%1 bytes)").arg(file.size()));
    return DecodeBmp(file.readAll(), path);
}
