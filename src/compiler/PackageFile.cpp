#include "compiler/PackageFile.h"

#include <QSaveFile>

#include "storage/VESKCustomFile.h"
#include "storage/VESKErrors.h"

namespace {

EVESKError CannotCreate(const QString& fileName, const QString& reason) {
    return EVESKError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, reason));
}

} // namespace

QString SkinPackageFileName(const QString& fileName) {
    const qsizetype separator = fileName.lastIndexOf(u'/');
    const qsizetype point = fileName.lastIndexOf(u'.');
    const QString stem = point > separator ? fileName.left(point) : fileName;
    return stem + QStringLiteral(".qxsp");
}

void WritePackageFile(const QString& fileName, TVESKCustomFile& package) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw CannotCreate(fileName, file.errorString());
    package.SaveToStream(file);
    // The bytes reach the disk, and the file its name, only here.
    if (!file.commit())
        throw CannotCreate(fileName, file.errorString());
}
