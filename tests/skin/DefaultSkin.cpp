#include "DefaultSkin.h"

#include <QBuffer>
#include <QFile>

#include "storage/VESKCodePage.h"
#include "storage/VESKCustomFile.h"

TDefaultSkin& TDefaultSkin::Instance() {
    static TDefaultSkin skin;
    return skin;
}

TDefaultSkin::TDefaultSkin() {
    QFile resource(":/skin/DEFAULT");
    if (!resource.open(QIODevice::ReadOnly))
        return;
    TVESKCustomFile package;
    if (!package.LoadFromStream(resource))
        return;
    FSkinName = AnsiToWide(FieldText(package.Header.SkinName, 32));
    FAuthor = AnsiToWide(FieldText(package.Header.Author, 32));
    for (int i = 0; i < package.Count(); ++i) {
        const QString name = package.ItemName(i);
        FOrder << name;
        if (auto stream = package.ExtractFile(name))
            FMembers[name.toLower()] = stream->data();
    }
}

QByteArray TDefaultSkin::Member(const QString& name) const {
    const auto it = FMembers.find(name.toLower());
    return it == FMembers.end() ? QByteArray() : it->second;
}

QStringList TDefaultSkin::MemberNames() const { return FOrder; }
QString TDefaultSkin::SkinName() const { return FSkinName; }
QString TDefaultSkin::Author() const { return FAuthor; }

TSkinProject& TDefaultSkin::Document(const QString& memberName) {
    auto& document = FDocuments[memberName.toLower()];
    if (!document) {
        document = std::make_unique<TSkinProject>();
        QByteArray bytes = Member(memberName);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        document->LoadFromStream(buffer);
    }
    return *document;
}

const QImage& TDefaultSkin::Bitmap(const QString& memberName) {
    QImage& image = FBitmaps[memberName.toLower()];
    if (image.isNull())
        image = QImage::fromData(Member(memberName), "BMP").convertToFormat(QImage::Format_RGB32);
    return image;
}

int BmpBitCount(const QByteArray& bmp) {
    if (bmp.size() < 30 || !bmp.startsWith("BM"))
        return 0;
    return quint8(bmp[28]) | (quint8(bmp[29]) << 8);
}
