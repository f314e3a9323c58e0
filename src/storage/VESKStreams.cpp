#include "storage/VESKStreams.h"

#include "storage/VESKErrors.h"

void ReadBuffer(QIODevice& stream, void* buffer, qint64 count) {
    if (count <= 0)
        return;
    if (stream.read(static_cast<char*>(buffer), count) != count)
        throw EReadError();
}

QByteArray ReadBytes(QIODevice& stream, qint64 count) {
    // Never trust a declared size: refuse before allocating for bytes the
    // stream cannot have.
    if (count < 0 || count > stream.size() - stream.pos())
        throw EReadError();
    QByteArray bytes(count, Qt::Uninitialized);
    ReadBuffer(stream, bytes.data(), count);
    return bytes;
}

void WriteBuffer(QIODevice& stream, const void* buffer, qint64 count) {
    if (count <= 0)
        return;
    if (stream.write(static_cast<const char*>(buffer), count) != count)
        throw EVESKError(QStringLiteral("Stream write error"));
}

std::unique_ptr<QBuffer> NewMemoryStream(const QByteArray& data) {
    auto stream = std::make_unique<QBuffer>();
    stream->setData(data);
    stream->open(QIODevice::ReadWrite);
    stream->seek(0);
    return stream;
}
