#include "cli/QxspPackageIO.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include "cli/QxspErrors.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKErrors.h"
#include "storage/VESKFileStreamW.h"

void LoadPackageFile(const QString& path, TVESKCustomFile& package) {
    TVESKFileStreamW stream(path, TVESKFileStreamW::fmOpenRead);
    if (!stream.IsValid())
        throw QxspFailure(QStringLiteral("cannot open %1: %2").arg(path, stream.errorString()));
    bool loaded = false;
    try {
        loaded = package.LoadFromStream(stream);
    } catch (const EVESKError& error) {
        throw QxspFailure(QStringLiteral("%1: %2").arg(path, error.message()));
    }
    if (!loaded)
        throw QxspFailure(QStringLiteral("%1 is not a skin package").arg(path));
}

void SavePackageFile(const QString& path, TVESKCustomFile& package) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    package.SaveToStream(buffer);
    WriteWholeFile(path, buffer.data());
}

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw QxspFailure(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw QxspFailure(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    return file.readAll();
}
