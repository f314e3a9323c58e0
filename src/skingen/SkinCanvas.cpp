#include "skingen/SkinCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include <QPainter>

#include "skingen/SkinPalette.h"

QFont GeneratorFont(const TFont& font) {
    QFont qfont(font.Name);
    qfont.setPixelSize(std::clamp(std::abs(font.Height), 1, TFont::kMaxPixelSize));
    qfont.setItalic(font.Style & fsItalic);
    qfont.setBold(font.Style & fsBold);
    qfont.setUnderline(font.Style & fsUnderline);
    return qfont;
}

TSkinCanvas::TSkinCanvas(TSkinWindow window, TSkinProject& document,
                         std::map<QString, QString> parents)
    : FWindow(window), FDocument(document), FParents(std::move(parents)) {
    FAtlas = QImage(AtlasSize(), QImage::Format_RGB32);
    FAtlas.fill(Palette::Unused);
}

QRect TSkinCanvas::Read(const QString& section, const QString& key) {
    return FDocument.ReadRect(section, key, TRect{}).ToQRect();
}

// The bitmap is as large as the texture rectangles need, no larger.
QSize TSkinCanvas::AtlasSize() {
    QSize size;
    for (const QString section : {"SKIN_RECTS", "SKIN_NUMERICS"}) {
        const int index = FDocument.FindSection(section);
        const TVESKStringListW* keys = index < 0 ? nullptr : FDocument.Sections.Objects(index);
        for (int i = 0; keys && i < keys->Count(); ++i) {
            const QRect r = Read(section, keys->Names(i));
            size = size.expandedTo(QSize(r.right() + 1, r.bottom() + 1));
        }
    }
    return size;
}

void TSkinCanvas::Put(const QString& section, const QString& key, const QImage& picture) {
    const QRect target = Read(section, key);
    if (target.size() != picture.size() || !FAtlas.rect().contains(target))
        throw std::runtime_error(QString("%1/%2: a %3x%4 picture does not fit %5,%6 %7x%8")
                                     .arg(section, key)
                                     .arg(picture.width())
                                     .arg(picture.height())
                                     .arg(target.x())
                                     .arg(target.y())
                                     .arg(target.width())
                                     .arg(target.height())
                                     .toStdString());
    QPainter painter(&FAtlas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target.topLeft(), picture);
}

void TSkinCanvas::AddArea(const QString& container, const QString& textureKey,
                          const QImage& picture) {
    FAreas[container.toLower()] = picture;
    PutTexture(textureKey, picture);
}

QString TSkinCanvas::ContainerOf(const TSkinElement& element) const {
    for (const auto& [name, container] : FParents)
        if (name.compare(QLatin1String(element.Name), Qt::CaseInsensitive) == 0)
            return container;
    return QLatin1String(element.Parent);
}

QImage TSkinCanvas::AreaPicture(const QString& container) const {
    const auto it = FAreas.find(container.toLower());
    return it == FAreas.end() ? QImage() : it->second;
}

QImage TSkinCanvas::Backdrop(const TSkinElement& element) {
    const QRect place = Placement(SkinElementKey(element));
    const QImage area = AreaPicture(ContainerOf(element));
    if (area.isNull() || !area.rect().contains(place)) {
        QImage plain(place.size(), QImage::Format_RGB32);
        plain.fill(Palette::FaceBottom);
        return plain;
    }
    return Crop(area, place);
}

QImage Crop(const QImage& image, const QRect& rect) {
    return image.copy(rect).convertToFormat(QImage::Format_RGB32);
}
