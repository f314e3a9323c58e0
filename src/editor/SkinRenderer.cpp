#include "editor/SkinRenderer.h"

#include <algorithm>

#include <QPainter>
#include <QWidget>

#include "controls/AlignLayout.h"
#include "controls/ElementControl.h"
#include "controls/PreviewPainting.h"
#include "controls/VESKSkinCtrls.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PreviewTrees.h"
#include "graphics/VESKDraw.h"
#include "text/SkinProject.h"

namespace {

const QString kObjs = QStringLiteral("SKIN_OBJS");
const QString kRects = QStringLiteral("SKIN_RECTS");
const QString kWidths = QStringLiteral("SKIN_WIDTHS");

// The rectangle src of source drawn into dest of target, stretched when the
// two differ in size as a classic canvas copy does; parts of src outside
// the source come out black.
void CopyRect(QImage& target, const QRect& dest, const QImage& source, const TRect& src) {
    if (target.isNull() || dest.isEmpty())
        return;
    QImage piece;
    CutRect(piece, source, src);
    if (piece.isNull())
        return;
    QPainter painter(&target);
    painter.drawImage(dest, piece);
}

// A fresh bitmap of the given size, as blank as a new one is in the classic
// toolkit; null when the size is empty or beyond any texture.
QImage BlankBitmap(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxCutSide || height > kMaxCutSide ||
        qint64(width) * height > kMaxCutPixels)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(BlankColor());
    return image;
}

// The element's key stem: the main window's copy of the equalizer's close
// button is keyed like the main window's own.
QString PushButtonKey(const QString& name) {
    return name.toUpper() == QLatin1String("CLOSEBTN_") ? QStringLiteral("CloseBtn") : name;
}

// The equalizer keys its elements without one trailing "_".
QString EqualizerKey(const QString& name) {
    return name.endsWith(u'_') ? name.chopped(1) : name;
}

} // namespace

TSkinRenderer::TSkinRenderer(const TPreviewTrees& trees, TSkinProject* mainDocument,
                             const QImage* mainBitmap)
    : FTrees(trees), FMainDocument(mainDocument), FMainBitmap(mainBitmap) {}

TSkinProject* TSkinRenderer::Document(TSkinProject* given) const {
    return given ? given : FMainDocument;
}

QImage TSkinRenderer::Texture(TSkinProject& document, const QImage& bitmap, const QString& section,
                              const QString& key) {
    QImage texture;
    CutRect(texture, bitmap, document.ReadRect(section, key, TRect()));
    return texture;
}

void TSkinRenderer::Place(QWidget* control, const TRect& bounds) {
    SetBounds(control, bounds.ToQRect());
}

void TSkinRenderer::FitToTexture(QWidget* element, const QImage& texture) {
    if (!element)
        return;
    const QRect bounds = element->geometry();
    const qint64 sum = qint64(bounds.x()) + bounds.y() + (qint64(bounds.x()) + bounds.width()) +
                       (qint64(bounds.y()) + bounds.height());
    if (sum == 0)
        return;
    SetBounds(element, QRect(bounds.topLeft(), texture.size()));
}

void TSkinRenderer::RenderElement(QWidget* element, const QImage& bitmap,
                                  TSkinProject* given) const {
    TElementControl* control = AsElementControl(element);
    auto* skin = qobject_cast<TVESKSESkin*>(element);
    TSkinProject* document = Document(given);
    if (!control || !skin || !document)
        return;
    const QString name = control->Name();
    switch (control->Kind()) {
    case ElementKind::PushButton: {
        const QString key = PushButtonKey(name);
        Place(skin, document->ReadRect(kObjs, key, TRect()));
        skin->SetImgBackGround(Texture(*document, bitmap, kRects, key + QStringLiteral("_NRM")));
        FitToTexture(skin, skin->ImgBackGround());
        break;
    }
    case ElementKind::ToggleButton:
        Place(skin, document->ReadRect(kObjs, name, TRect()));
        skin->SetImgBackGround(Texture(*document, bitmap, kRects, name + QStringLiteral("_UCH")));
        FitToTexture(skin, skin->ImgBackGround());
        break;
    case ElementKind::TabBar:
        // The tab strip's rectangles are the window's, whichever element
        // asked.
        if (TVESKSEPanel* tabs = FTrees.TabCtrl()) {
            Place(tabs, document->ReadRect(kObjs, QStringLiteral("TabCtrl"), TRect()));
            tabs->SetImgBackGround(Texture(*document, bitmap, kRects, QStringLiteral("TabCtrl")));
        }
        FitToTexture(skin, skin->ImgBackGround());
        break;
    case ElementKind::MultiDisplay:
        RenderMultiDisplay(skin, bitmap, *document);
        break;
    case ElementKind::Spectrum:
        Place(skin, document->ReadRect(kObjs, name, TRect()));
        skin->SetImgBackGround(Texture(*document, bitmap, kRects, name));
        break;
    case ElementKind::Slider:
    case ElementKind::EqSlider:
        RenderSlider(skin, bitmap, *document);
        break;
    case ElementKind::TrayStrip:
        RenderTrayStrip(skin, bitmap, *document);
        break;
    default:
        break;
    }
}

void TSkinRenderer::RenderMultiDisplay(TVESKSESkin* block, const QImage& bitmap,
                                       TSkinProject& document) const {
    Place(block, document.ReadRect(kObjs, block->objectName(), TRect()));
    QImage composite = BlankBitmap(block->width(), block->height());
    if (!composite.isNull()) {
        const QImage top = Texture(document, bitmap, kRects, QStringLiteral("MultiDisplayTOP"));
        const QImage bottom = Texture(document, bitmap, kRects, QStringLiteral("MultiDisplayBTM"));
        QPainter painter(&composite);
        painter.drawImage(0, 0, top);
        // The lower part is bottom-aligned and covers the upper one where
        // they overlap.
        painter.drawImage(0, composite.height() - bottom.height(), bottom);
    }
    block->SetImgBackGround(composite);
}

void TSkinRenderer::RenderSlider(TVESKSESkin* slider, const QImage& bitmap,
                                 TSkinProject& document) const {
    const QString name = slider->objectName();
    Place(slider, document.ReadRect(kObjs, name, TRect()));
    slider->SetImgAux1(Texture(document, bitmap, kRects, name + QStringLiteral("_BKS")));
    slider->SetImgAux2(Texture(document, bitmap, kRects, name + QStringLiteral("_THM")));
    QImage face = Texture(document, bitmap, kRects, name + QStringLiteral("_BK"));
    // Player sliders lie down unless the skin says otherwise; the
    // equalizer's stand up.
    const bool horizontal = document.ReadBool(kWidths, name + QStringLiteral("_HORIZONTAL"),
                                              slider->Kind() == ElementKind::Slider);
    const int w = slider->width();
    const int h = slider->height();
    const QImage& thumb = slider->ImgAux2();
    // The preview shows the slider half way: the filled background up to
    // the middle, the thumb centred on it.
    if (horizontal) {
        CopyRect(face, QRect(0, 0, w / 2, h), slider->ImgAux1(), TRect{0, 0, w / 2, h});
        if (!face.isNull()) {
            QPainter painter(&face);
            DrawTransparent(painter, w / 2 - thumb.width() / 2, 0, kSkinKeyColor, thumb);
        }
    } else {
        CopyRect(face, QRect(0, h / 2, w, h - h / 2), slider->ImgAux1(), TRect{0, h / 2, w, h});
        if (!face.isNull()) {
            QPainter painter(&face);
            DrawTransparent(painter, 0, h / 2 - thumb.height() / 2, kSkinKeyColor, thumb);
        }
    }
    slider->SetImgBackGround(face);
}

void TSkinRenderer::RenderTrayStrip(TVESKSESkin* strip, const QImage& bitmap,
                                    TSkinProject& document) const {
    const QString name = strip->objectName();
    Place(strip, document.ReadRect(kObjs, name, TRect()));
    QImage face = Texture(document, bitmap, kRects, name);
    const QImage lit = Texture(document, bitmap, kRects, name + QStringLiteral("s"));
    const int mode = document.ReadInteger(QStringLiteral("SKIN_CFG"), name, 0);
    const int w = strip->width();
    const int h = strip->height();
    switch (mode) {
    case 0: // lit from the left
        CopyRect(face, QRect(0, 0, w / 2, h), lit, TRect{0, 0, w / 2, h});
        break;
    case 1: // lit from the right: the left half of the lit texture, moved
        CopyRect(face, QRect(w / 2, 0, w - w / 2, h), lit, TRect{0, 0, w / 2, h});
        break;
    case 2: // lit from the bottom
        CopyRect(face, QRect(0, h / 2, w, h - h / 2), lit, TRect{0, h / 2, w, h});
        break;
    default:
        break;
    }
    strip->SetImgBackGround(face);
}

void TSkinRenderer::RenderNumericDisplay(const QString& key, const QImage& bitmap,
                                         TVESKNumLabel* display, TSkinProject* given) const {
    TSkinProject* document = Document(given);
    if (!display || !document)
        return;
    Place(display, document->ReadRect(kObjs, key, TRect()));
    display->setVisible(display->width() >= 1 && display->height() >= 1);
    display->SetSkin(Texture(*document, bitmap, QStringLiteral("SKIN_NUMERICS"), key));
    if (display->isHidden())
        return;
    const QImage& strip = display->Skin();
    const int cells = int(display->Default().size());
    const int glyphs = std::max(1, display->ComponentCount());
    const qint64 width = qint64(strip.width()) * cells / glyphs;
    SetBounds(display, QRect(display->pos(),
                             QSize(int(std::min<qint64>(width, QWIDGETSIZE_MAX)), strip.height())));
}

QSize TSkinRenderer::RenderPanelFace(const QString& key, const QImage& bitmap, TVESKSESkin* panel,
                                     TSkinProject* given) const {
    TSkinProject* document = Document(given);
    if (!panel || !document)
        return QSize();
    Place(panel, document->ReadRect(kObjs, key, TRect()));
    const TRect face = document->ReadRect(kRects, key, TRect());
    const QSize size(std::max(0, face.Width()), std::max(0, face.Height()));
    SetBounds(panel, QRect(panel->pos(), size));
    QImage texture;
    CutRect(texture, bitmap, face);
    panel->SetImgBackGround(texture);
    return size;
}

void TSkinRenderer::RenderEqButton(TVESKSESkin* button, const QImage& bitmap,
                                   TSkinProject& document) const {
    const QString key = EqualizerKey(button->objectName());
    Place(button, document.ReadRect(kObjs, key, TRect()));
    button->SetImgBackGround(Texture(document, bitmap, kRects, key + QStringLiteral("_NRM")));
    FitToTexture(button, button->ImgBackGround());
}

void TSkinRenderer::RenderEqToggle(TVESKSESkin* toggle, const QImage& bitmap,
                                   TSkinProject& document) const {
    const QString name = toggle->objectName();
    Place(toggle, document.ReadRect(kObjs, name, TRect()));
    toggle->SetImgBackGround(Texture(document, bitmap, kRects, name + QStringLiteral("_UCH")));
    FitToTexture(toggle, toggle->ImgBackGround());
}

void TSkinRenderer::ComposeVerticalSlider(TVESKSESkin* slider, const QImage& bitmap,
                                          TSkinProject& document) const {
    const QString name = slider->objectName();
    Place(slider, document.ReadRect(kObjs, name, TRect()));
    const QImage background = Texture(document, bitmap, kRects, name + QStringLiteral("_BK"));
    FitToTexture(slider, background);
    const int w = slider->width();
    const int h = slider->height();
    QImage composite = BlankBitmap(w, h);
    if (!composite.isNull()) {
        {
            QPainter painter(&composite);
            painter.drawImage(0, 0, background);
        }
        const QImage filled = Texture(document, bitmap, kRects, name + QStringLiteral("_BKS"));
        CopyRect(composite, QRect(0, h / 2, w, h - h / 2), filled, TRect{0, h / 2, w, h});
        const QImage thumb = Texture(document, bitmap, kRects, name + QStringLiteral("_THM"));
        QPainter painter(&composite);
        painter.drawImage(0, h / 2 - thumb.height() / 2, thumb);
    }
    slider->SetImgBackGround(composite);
}
