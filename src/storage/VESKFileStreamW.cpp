#include "storage/VESKFileStreamW.h"

#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

QIODevice::OpenMode OpenModeFor(quint16 mode) {
    if (mode == TVESKFileStreamW::fmCreate)
        return QIODevice::ReadWrite | QIODevice::Truncate;
    if ((mode & 3) == TVESKFileStreamW::fmOpenReadWrite)
        return QIODevice::ReadWrite | QIODevice::ExistingOnly;
    return QIODevice::ReadOnly;
}

} // namespace

TVESKFileStreamW::TVESKFileStreamW(const QString& fileName, quint16 mode) : QFile(fileName) {
    if (mode != fmCreate && (mode & 3) == fmOpenWrite) {
        // QFile cuts a file opened for writing alone; an existing file opened
        // for writing must keep its bytes, so open the descriptor ourselves.
        const int fd = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0 && !open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
            ::close(fd);
        return;
    }
    open(OpenModeFor(mode));
}

bool FileExistsW(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}
