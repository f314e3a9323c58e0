#include "compiler/PackageFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "storage/VESKCustomFile.h"
#include "storage/VESKErrors.h"

namespace {

EVESKError CannotCreate(const QString& fileName, const QString& reason) {
    return EVESKError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, reason));
}

// A file the user may write in a folder where no file can be created (a
// shared folder, a file handed out writable): its bytes are replaced in
// place. Should the write fail half-way, the old bytes are put back.
void ReplaceInPlace(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite))
        throw CannotCreate(fileName, file.errorString());
    const QByteArray old = file.readAll();
    const bool written = file.seek(0) && file.write(bytes) == bytes.size() &&
                         file.resize(bytes.size()) && file.flush();
    if (written)
        return;
    const QString reason = file.errorString();
    if (file.seek(0) && file.write(old) == old.size())
        file.resize(old.size());
    throw CannotCreate(fileName, reason);
}

} // namespace

QString WithExtension(const QString& fileName, const QString& extension) {
    const qsizetype separator = fileName.lastIndexOf(u'/');
    const qsizetype point = fileName.lastIndexOf(u'.');
    const QString stem = point > separator ? fileName.left(point) : fileName;
    return stem + u'.' + extension;
}

QString SkinPackageFileName(const QString& fileName) {
    return WithExtension(fileName, QStringLiteral("qxsp"));
}

void WritePackageFile(const QString& fileName, TVESKCustomFile& package) {
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    const bool replaceWhole = file.open(QIODevice::WriteOnly);
    const QFileInfo target(fileName);
    if (!replaceWhole && !(target.isFile() && target.isWritable()))
        throw CannotCreate(fileName, file.errorString());
    // The whole package is made before the file is touched: a package that
    // fails to write leaves the file as it was.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    package.SaveToStream(bytes);
    if (!replaceWhole) {
        ReplaceInPlace(fileName, bytes.data());
        return;
    }
    // The bytes reach the disk, and the file its name, only here.
    if (file.write(bytes.data()) != bytes.size() || !file.commit())
        throw CannotCreate(fileName, file.errorString());
}
