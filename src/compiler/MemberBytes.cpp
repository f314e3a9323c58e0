#include "compiler/MemberBytes.h"

#include <cstring>

#include <QBuffer>

#include "storage/VESKCodePage.h"
#include "storage/VESKCustomFile.h"
#include "text/VESKIniFileW.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void PutLE(char* at, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = char((value >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray DocumentBytes(TVESKIniFileW& document) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document.SaveToStream(buffer, true);
    return buffer.data();
}

QByteArray DescriptionBytes(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    QString joined;
    for (const QString& line : lines)
        joined += line + QStringLiteral("\r\n");
    return WideToAnsi(joined);
}

QByteArray BitmapFileBytes(const QImage& image) {
    if (image.isNull())
        return QByteArray();
    const QImage pixels = image.convertToFormat(QImage::Format_BGR888);
    const int width = pixels.width();
    const int height = pixels.height();
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    const qsizetype offset = kFileHeaderSize + kInfoHeaderSize;
    QByteArray bytes(offset + stride * height, '\0');
    char* data = bytes.data();
    data[0] = 'B';
    data[1] = 'M';
    PutLE(data + 2, quint32(bytes.size()), 4);
    PutLE(data + 10, quint32(offset), 4);
    PutLE(data + 14, kInfoHeaderSize, 4);
    PutLE(data + 18, quint32(width), 4);
    PutLE(data + 22, quint32(height), 4);
    PutLE(data + 26, 1, 2);
    PutLE(data + 28, 24, 2);
    PutLE(data + 34, quint32(stride * height), 4);
    // Format_BGR888 rows are blue, green, red already: the file's order.
    for (int y = 0; y < height; ++y)
        std::memcpy(data + offset + (height - 1 - y) * stride, pixels.constScanLine(y),
                    std::size_t(width) * 3);
    return bytes;
}

QByteArray BitmapMemberBytes(TVESKCustomFile& package, const QString& name, const QImage& image) {
    if (const auto stream = package.ExtractFile(name)) {
        const QImage stored = QImage::fromData(stream->data(), "BMP");
        if (!image.isNull() && stored.size() == image.size() &&
            stored.convertToFormat(QImage::Format_RGB32) ==
                image.convertToFormat(QImage::Format_RGB32))
            return stream->data();
    }
    return BitmapFileBytes(image);
}

void AddMember(TVESKCustomFile& package, const QString& name, const QByteArray& bytes) {
    QBuffer stream;
    stream.setData(bytes);
    stream.open(QIODevice::ReadOnly);
    package.AddFile(name, &stream);
}
