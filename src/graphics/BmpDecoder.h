#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "storage/VESKErrors.h"

// Bitmap files come from every image editor and converter an author may
// use, and from strangers' packages. This is the one reader of them: it
// takes every BMP that common tools write, or refuses the file with the
// reason, and never hands back a picture it could only partly decode.

// What a bitmap file says about itself, for callers that judge files (a
// skin wants 24 bits, top-down rows are unusual).
struct TBmpInfo {
    int HeaderSize = 0; // 12 core (OS/2 1), 16 to 64 OS/2 2, 40 v3, 108 v4, 124 v5
    int Width = 0;
    int Height = 0; // rows, always positive; see TopDown
    bool TopDown = false;
    int BitCount = 0;
    int Compression = 0; // 0 none, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha
};

struct TBmpDecoded {
    QImage Image; // Format_RGB32, every pixel opaque
    TBmpInfo Info;
};

// A bitmap file that was refused: which file and why, also apart, so a
// report can list them in columns.
class EBadBitmap : public EVESKError {
public:
    EBadBitmap(const QString& fileName, const QString& reason);
    QString FileName;
    QString Reason;
};

// A skin sheet needs far less; a header may declare anything. Each side is
// limited, and so are the decoded pixels as 32-bit values.
constexpr int MaxBmpSide = 32768;
constexpr qint64 MaxBmpPixelBytes = qint64(256) << 20;
// Run-length data may describe many pixels per byte, but not without end:
// beyond this many pixels, each needs at least 1/256 of a byte of input.
constexpr qint64 MaxBmpFreeRlePixels = qint64(4) << 20;

// Decodes bytes, the content of the file or member fileName (named in the
// error). Channels narrower than 8 bits are widened to the full range, so
// 31 of 31 becomes 255 and the key colour stays exactly magenta. Raises
// EBadBitmap for anything it cannot read whole.
TBmpDecoded DecodeBmp(const QByteArray& bytes, const QString& fileName);

// Reads and decodes a bitmap file; raises EBadBitmap also when the file
// cannot be opened.
TBmpDecoded ReadBmpFile(const QString& path);
