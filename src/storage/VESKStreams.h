#pragma once

#include <memory>

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>

// Streams are QIODevices; a memory stream is an open QBuffer that owns its
// bytes. These helpers give them the classic stream's all-or-error reads.

// Reads exactly count bytes or raises EReadError.
void ReadBuffer(QIODevice& stream, void* buffer, qint64 count);
QByteArray ReadBytes(QIODevice& stream, qint64 count);
// Writes exactly count bytes or raises "Stream write error".
void WriteBuffer(QIODevice& stream, const void* buffer, qint64 count);

// A new memory stream holding a copy of data, positioned at 0.
std::unique_ptr<QBuffer> NewMemoryStream(const QByteArray& data = {});
