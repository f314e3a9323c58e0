// The three windows as wholes: the main window's frame and playlist dock,
// the equalizer and the tray controller.

#include <algorithm>
#include <limits>

#include <QWidget>

#include "controls/AlignLayout.h"
#include "controls/PlainPanel.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSkinCtrls.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PreviewTrees.h"
#include "editor/SkinRenderer.h"
#include "text/SkinProject.h"

namespace {

const QString kObjs = QStringLiteral("SKIN_OBJS");
const QString kRects = QStringLiteral("SKIN_RECTS");
const QString kWidths = QStringLiteral("SKIN_WIDTHS");
const QString kFonts = QStringLiteral("SKIN_FONTS");

// Sizes summed from a stranger's numbers stay within what a widget can be.
int WidgetExtent(qint64 value) {
    return int(std::clamp<qint64>(value, 0, QWIDGETSIZE_MAX));
}

void Resize(QWidget* control, qint64 width, qint64 height) {
    SetBounds(control, QRect(control->pos(), QSize(WidgetExtent(width), WidgetExtent(height))));
}

bool ShowsSomething(const QWidget* panel) {
    return panel->width() > 0 && panel->height() > 0 && !panel->isHidden();
}

QList<QWidget*> ChildControls(const QWidget* container) {
    return container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

int Saturated(qint64 value) {
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

TRect LessOrigin(const TRect& rect, const TRect& texture) {
    return {Saturated(qint64(rect.Left) - texture.Left), Saturated(qint64(rect.Top) - texture.Top),
            Saturated(qint64(rect.Right) - texture.Left),
            Saturated(qint64(rect.Bottom) - texture.Top)};
}

// The colour a skin without a title font gets: the tray bitmap's colour at
// a point of its information panel, where the default skins draw text.
// GetPixel's "no colour" outside the bitmap would make a font value no
// player reads as a colour; black stands in.
TColor TitleColorFallback(const QImage& bitmap) {
    constexpr int x = 70, y = 50;
    return bitmap.valid(x, y) ? RgbToColor(bitmap.pixel(x, y)) : TColor(0);
}

} // namespace

void TSkinRenderer::RenderMainFrame(TPlaylistPanels panels) const {
    TVESKSESkin* left = FTrees.Leftbar();
    TVESKSESkin* right = FTrees.RightBar();
    TVESKSEPanel* face = FTrees.Main();
    TVESKSEPanel* bottom = FTrees.PlsCtrl();
    TVESKSEPanel* top = FTrees.TopPanel();
    TVESKSEPanel* tabs = FTrees.TabCtrl();
    TPlainPanel* dock = FTrees.PlaylistMan();
    QWidget* root = FTrees.MainCtrl();
    if (!FMainDocument || !FMainBitmap || !left || !right || !face || !bottom || !top || !tabs ||
        !dock || !root)
        return;
    TSkinProject& document = *FMainDocument;
    const QImage& bitmap = *FMainBitmap;

    left->SetImgAux1(Texture(document, bitmap, kRects, QStringLiteral("LEFTTOPBAR")));
    left->SetImgAux2(Texture(document, bitmap, kRects, QStringLiteral("LEFTBOTBAR")));
    right->SetImgAux1(Texture(document, bitmap, kRects, QStringLiteral("RIGHTTOPBAR")));
    right->SetImgAux2(Texture(document, bitmap, kRects, QStringLiteral("RIGHTBOTBAR")));
    left->SetImgBackGround(Texture(document, bitmap, kRects, QStringLiteral("LEFTCENTER")));
    right->SetImgBackGround(Texture(document, bitmap, kRects, QStringLiteral("RIGHTCENTER")));

    Resize(left, document.ReadInteger(kWidths, QStringLiteral("BARSIZE"), 0), left->height());
    const int rightWidth = document.ValueExists(kWidths, QStringLiteral("BARSIZER"))
                               ? document.ReadInteger(kWidths, QStringLiteral("BARSIZER"), 0)
                               : left->width();
    Resize(right, rightWidth, right->height());

    const QImage faceTexture = Texture(document, bitmap, kRects, QStringLiteral("MainForm"));
    face->SetImgBackGround(faceTexture);
    SetBounds(face, QRect(QPoint(left->width(), 0), faceTexture.size()));

    Resize(root, qint64(right->width()) + left->width() + face->width(),
           2 * qint64(face->height()));

    const QImage bottomTexture = Texture(document, bitmap, kRects, QStringLiteral("plsctrl"));
    bottom->SetImgBackGround(bottomTexture);
    Resize(bottom, bottomTexture.width(), bottomTexture.height());

    const bool renderAnyway = panels == TPlaylistPanels::Render;
    if (renderAnyway || ShowsSomething(top))
        RenderPanelFace(QStringLiteral("TopPanel"), bitmap, top, &document);
    if (renderAnyway || ShowsSomething(tabs))
        RenderElement(tabs, bitmap, &document);

    // The dock below the face is as high as the face itself.
    SetBounds(dock, QRect(face->x(), face->height(), face->width(),
                          WidgetExtent(qint64(root->height()) - face->height())));
}

void TSkinRenderer::RenderEqualizer(TSkinProject& document, const QImage& bitmap) const {
    TVESKSEPanel* face = FTrees.MainEq();
    QWidget* root = FTrees.EQUA();
    if (!face || !root)
        return;
    Place(face, document.ReadRect(kObjs, QStringLiteral("MAIN"), TRect{0, 0, 160, 120}));
    // The section is "SKIN_WIDTH", singular, unlike the main window's.
    face->SetOffL(document.ReadInteger(QStringLiteral("SKIN_WIDTH"), QStringLiteral("BorderL"), 0));
    face->SetOffR(document.ReadInteger(QStringLiteral("SKIN_WIDTH"), QStringLiteral("BorderR"), 0));
    face->SetImgBackGround(Texture(document, bitmap, kRects, QStringLiteral("MAIN")));

    if (auto* curve = FTrees.Get<TVESKSESkin>(QStringLiteral("EQVIS"))) {
        Place(curve, document.ReadRect(kObjs, QStringLiteral("EQVIS"), TRect()));
        curve->SetImgBackGround(Texture(document, bitmap, kRects, QStringLiteral("EQVIS")));
    }
    if (auto* presets = FTrees.Get<TVESKSELabel>(QStringLiteral("DSP"))) {
        TFont font = presets->Font();
        document.ReadFontTo(kFonts, QStringLiteral("DSP"), font);
        presets->SetFont(font);
        Place(presets, document.ReadRect(kObjs, QStringLiteral("DSP"), TRect()));
    }

    for (QWidget* child : ChildControls(face)) {
        auto* element = qobject_cast<TVESKSESkin*>(child);
        if (!element)
            continue;
        switch (element->Kind()) {
        case ElementKind::PushButton:
            RenderEqButton(element, bitmap, document);
            break;
        case ElementKind::ToggleButton:
            RenderEqToggle(element, bitmap, document);
            break;
        case ElementKind::EqSlider:
            ComposeVerticalSlider(element, bitmap, document);
            break;
        default:
            break;
        }
    }

    // The equalizer's container is no element of the skin: it just holds
    // the window, so the preview page scrolls over exactly that.
    Resize(root, qint64(face->x()) + face->width(), qint64(face->y()) + face->height());
}

void TSkinRenderer::RenderTray(TSkinProject& document, const QImage& bitmap) const {
    TVESKSEPanel* controls = FTrees.TrayCtrl();
    TVESKSEPanel* info = FTrees.TrayInfo();
    QWidget* root = FTrees.TrayControlMain();
    if (!controls || !info || !root)
        return;
    const QSize controlsSize =
        RenderPanelFace(QStringLiteral("trayctrl"), bitmap, controls, &document);
    const QSize infoSize = RenderPanelFace(QStringLiteral("trayinfo"), bitmap, info, &document);
    // The window is as wide as its button bar's texture. The bar itself is
    // stretched to the window by its alignment, so its own width would only
    // give back the window's old width.
    Resize(root, controlsSize.width(), qint64(controlsSize.height()) + infoSize.height() + 2);

    if (document.ReadString(kFonts, QStringLiteral("trayrs"), QString()).isEmpty())
        document.WriteString(kFonts, QStringLiteral("trayrs"),
                             QStringLiteral("Tahoma,%1,12,0").arg(TitleColorFallback(bitmap)));
    if (auto* title = FTrees.Get<TVESKSELabel>(QStringLiteral("trayrs"))) {
        // The scrolling title's texture rectangle is the piece of its
        // panel's texture behind it, as the save writes it: its place in the
        // panel is that rectangle less the texture's origin, or a save and
        // a load would move it by that origin each time.
        const QWidget* holder = title->parentWidget();
        const TRect panel =
            holder ? document.ReadRect(kRects, holder->objectName(), TRect()) : TRect();
        Place(title,
              LessOrigin(document.ReadRect(kRects, QStringLiteral("trayrs"), TRect()), panel));
        TFont font = title->Font();
        document.ReadFontTo(kFonts, QStringLiteral("trayrs"), font);
        title->SetFont(font);
    }

    for (QWidget* panel : {static_cast<QWidget*>(controls), static_cast<QWidget*>(info)}) {
        for (QWidget* child : ChildControls(panel)) {
            if (qobject_cast<TVESKSESkin*>(child))
                RenderElement(child, bitmap, &document);
            else if (auto* display = qobject_cast<TVESKNumLabel*>(child))
                RenderNumericDisplay(display->objectName(), bitmap, display, &document);
        }
    }
}
