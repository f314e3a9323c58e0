#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class TVESKCustomFile;
class TVESKIniFileW;

// The members a save generates, as the bytes the package stores.

// An INI document as code page text, without a byte-order mark.
QByteArray DocumentBytes(TVESKIniFileW& document);

// The description as code page lines, each ended by CR LF. An empty text has
// no lines; a text ending in a line break has no empty last line, as the
// classic memo counts its lines.
QByteArray DescriptionBytes(const QString& text);

// A bitmap file of 24 bits per pixel (bottom-up rows padded to four bytes,
// no resolution, no palette); a null image gives no bytes at all.
QByteArray BitmapFileBytes(const QImage& image);

// The member's own bytes while they still hold exactly the image, so a
// bitmap nobody changed goes back byte for byte (resolution fields and all);
// a fresh file of BitmapFileBytes otherwise.
QByteArray BitmapMemberBytes(TVESKCustomFile& package, const QString& name, const QImage& image);

// Adds (or replaces) a member with the given content.
void AddMember(TVESKCustomFile& package, const QString& name, const QByteArray& bytes);
