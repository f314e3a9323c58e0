#pragma once

#include <map>

#include <QImage>
#include <QString>

#include "graphics/VESKRect.h"
#include "storage/SkinVocabulary.h"
#include "text/SkinProject.h"

// The built-in skin's pictures were drawn with the font's height taken as
// the em size; they stay as they were.
QFont GeneratorFont(const TFont& font);

// One window's bitmap being drawn from its INI text: rectangles are read from
// the document, pictures are put where the document says they lie. Areas are
// the panels elements sit on; an element's texture starts from the piece of
// its area that lies under it, so buttons and sliders blend into their panel.
class TSkinCanvas {
public:
    // parents maps an element name to the container that holds it; elements
    // not listed sit in their default container.
    TSkinCanvas(TSkinWindow window, TSkinProject& document, std::map<QString, QString> parents);

    TSkinWindow Window() const { return FWindow; }
    TSkinProject& Document() { return FDocument; }
    QImage& Atlas() { return FAtlas; }

    QRect Texture(const QString& key) { return Read("SKIN_RECTS", key); }
    QRect Placement(const QString& key) { return Read("SKIN_OBJS", key); }
    QRect Strip(const QString& key) { return Read("SKIN_NUMERICS", key); }
    QRect Read(const QString& section, const QString& key);

    // Copies the picture to the key's rectangle; the sizes must agree.
    void Put(const QString& section, const QString& key, const QImage& picture);
    void PutTexture(const QString& key, const QImage& picture) {
        Put("SKIN_RECTS", key, picture);
    }

    // Areas are registered before the elements on them are drawn.
    void AddArea(const QString& container, const QString& textureKey, const QImage& picture);
    QString ContainerOf(const TSkinElement& element) const;
    // The piece of the element's area under its placement, or the panel's
    // plain colour when the element has no area.
    QImage Backdrop(const TSkinElement& element);
    QImage AreaPicture(const QString& container) const;

private:
    QSize AtlasSize();

    TSkinWindow FWindow;
    TSkinProject& FDocument;
    std::map<QString, QString> FParents;
    std::map<QString, QImage> FAreas;
    QImage FAtlas;
};

// A piece of the image as a surface to draw on.
QImage Crop(const QImage& image, const QRect& rect);
