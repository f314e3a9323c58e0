#include "graphics/PlayerFaces.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QMultiHash>

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

// Registration ids by family, for withdrawing them.
QMultiHash<QString, int>& Registered() {
    static QMultiHash<QString, int> ids;
    return ids;
}

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
        const int id = QFileInfo::exists(path) ? QFontDatabase::addApplicationFont(path) : -1;
        if (id < 0)
            continue;
        Registered().insert(family.toLower(), id);
        if (!registered.contains(family))
            registered << family;
    }
    return registered;
}

void YieldPlayerFaces(const QStringList& families) {
    for (const QString& family : families)
        for (const int id : Registered().values(family.toLower())) {
            QFontDatabase::removeApplicationFont(id);
            Registered().remove(family.toLower(), id);
        }
}
