#include "storage/VESKFileStreamW.h"

#include <QFileInfo>

namespace {

QIODevice::OpenMode OpenModeFor(quint16 mode) {
    if (mode == TVESKFileStreamW::fmCreate)
        return QIODevice::ReadWrite | QIODevice::Truncate;
    switch (mode & 3) {
    case 1:
    case 2:
        // Write access to an existing file must neither create nor cut it;
        // QFile truncates a write-only open, so ask for both directions.
        return QIODevice::ReadWrite | QIODevice::ExistingOnly;
    default:
        return QIODevice::ReadOnly;
    }
}

} // namespace

TVESKFileStreamW::TVESKFileStreamW(const QString& fileName, quint16 mode) : QFile(fileName) {
    open(OpenModeFor(mode));
}

bool FileExistsW(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}
