#pragma once

#include <map>
#include <memory>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "storage/SkinVocabulary.h"
#include "text/SkinProject.h"

// The built-in default skin as the editor receives it: the package compiled
// into the resource :/skin/DEFAULT, opened once, with its members decoded on
// first use.
class TDefaultSkin {
public:
    static TDefaultSkin& Instance();

    QByteArray Member(const QString& name) const;
    QStringList MemberNames() const;
    QString SkinName() const;
    QString Author() const;

    TSkinProject& Document(const QString& memberName);
    TSkinProject& Document(TSkinWindow window) {
        return Document(QLatin1String(SkinWindowMembers(window).Ini));
    }
    const QImage& Bitmap(const QString& memberName);
    const QImage& Bitmap(TSkinWindow window) {
        return Bitmap(QLatin1String(SkinWindowMembers(window).Bitmap));
    }

    QRect Rect(TSkinWindow window, const QString& section, const QString& key) {
        return Document(window).ReadRect(section, key, TRect{}).ToQRect();
    }

private:
    TDefaultSkin();

    std::map<QString, QByteArray> FMembers;
    QStringList FOrder;
    QString FSkinName, FAuthor;
    std::map<QString, std::unique_ptr<TSkinProject>> FDocuments;
    std::map<QString, QImage> FBitmaps;
};

// The bit count field of a BMP file.
int BmpBitCount(const QByteArray& bmp);

inline const QColor KeyColour(255, 0, 255);
