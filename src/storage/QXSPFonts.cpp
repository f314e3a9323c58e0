#include "storage/QXSPFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

#include "graphics/PlayerFaces.h"
#include "storage/VESKFileStreamW.h"
#include "storage/VESKMemberNames.h"

namespace {

const QString kPrefix = QStringLiteral("veskskin_");

// Registration ids by file path: removal needs the id it was given.
QHash<QString, int>& RegisteredFonts() {
    static QHash<QString, int> ids;
    return ids;
}

bool CanRegisterFonts() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

void RegisterFont(const QString& fileName) {
    if (!CanRegisterFonts())
        return;
    const int id = QFontDatabase::addApplicationFont(fileName);
    if (id < 0)
        return;
    RegisteredFonts().insert(fileName, id);
    YieldPlayerFaces(QFontDatabase::applicationFontFamilies(id));
}

void UnregisterFont(const QString& fileName) {
    const auto id = RegisteredFonts().find(fileName);
    if (id == RegisteredFonts().end())
        return;
    if (CanRegisterFonts())
        QFontDatabase::removeApplicationFont(*id);
    RegisteredFonts().erase(id);
}

} // namespace

QString FontsRoot() {
    if (!qEnvironmentVariable("QX_FONTS_DIR").isEmpty())
        return QString();
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("qxskinedit-fonts/"));
}

QString FontsFolder() {
    // Tests and fuzzers run hostile packages with the fonts sent to a
    // throw-away folder of their own.
    const QString overridden = qEnvironmentVariable("QX_FONTS_DIR");
    if (!overridden.isEmpty())
        return QDir::cleanPath(overridden) + u'/';
    return FontsRoot() + QStringLiteral("%1/").arg(QCoreApplication::applicationPid());
}

bool IsFontMemberName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && name.mid(dot).toUpper() == QLatin1String(".TTF");
}

void InstallFont(const QString& folder, const QString& name, QIODevice& stream) {
    if (!IsSafeMemberFileName(name))
        return;
    const QString fileName = folder + kPrefix + name;
    if (FileExistsW(fileName))
        return;
    QDir().mkpath(folder);
    stream.seek(0);
    // A font file appears only complete: a half-written one would be reused
    // as it is by every later load.
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(stream.readAll());
        file.commit();
    }
    RegisterFont(fileName);
}

void RemoveFonts(const QString& folder) {
    const QDir dir(folder);
    const QStringList names = dir.entryList({kPrefix + QStringLiteral("*.ttf")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name.startsWith(u'.'))
            continue;
        const QString fileName = folder + name;
        UnregisterFont(fileName);
        QFile::remove(fileName);
    }
    // The folder is this editor's own; leave it only if something else is in it.
    dir.rmdir(folder);
}
