#include "graphics/PlayerFaces.h"

#include <QFileInfo>
#include <QFontDatabase>

namespace {

struct TFaceFile {
    const char* Family;
    const char* File;
};

constexpr TFaceFile kFaces[] = {
    {"Tahoma", "tahoma.ttf"},
    {"Tahoma", "tahomabd.ttf"},
    {"MS Sans Serif", "ms_sans_serif.ttf"},
};

} // namespace

QString PlayerFacesFolder() {
    return QStringLiteral("/usr/share/wine/fonts");
}

QStringList RegisterPlayerFaces(const QString& folder) {
    // Asked before anything is added, so Tahoma Bold follows Tahoma in.
    // Families only: fontconfig's aliases would claim every face exists.
    const QStringList present = QFontDatabase::families();
    QStringList registered;
    for (const TFaceFile& face : kFaces) {
        const QString family = QString::fromLatin1(face.Family);
        if (present.contains(family, Qt::CaseInsensitive))
            continue;
        const QString path = folder + u'/' + QString::fromLatin1(face.File);
        if (!QFileInfo::exists(path) || QFontDatabase::addApplicationFont(path) < 0)
            continue;
        if (!registered.contains(family))
            registered << family;
    }
    return registered;
}
