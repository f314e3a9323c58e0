#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "graphics/VESKRect.h"

class QWidget;
class TPreviewTrees;
class TSkinProject;
class TVESKNumLabel;
class TVESKSESkin;

// Gives the preview controls their places and textures from a skin document
// and its bitmap: positions from "SKIN_OBJS", textures cut by the rectangles
// of "SKIN_RECTS" (digit strips by "SKIN_NUMERICS"), every element in its
// resting state. Missing keys read as the empty rectangle, so rendering never
// fails on missing data; malformed numbers raise the document's conversion
// error.
class TSkinRenderer {
public:
    // The main document and bitmap of the open package stand in wherever a
    // caller leaves the document out; both may be null (no package).
    TSkinRenderer(const TPreviewTrees& trees, TSkinProject* mainDocument, const QImage* mainBitmap);

    // One element by its ElementKind; kinds without textures of their own
    // are left alone.
    void RenderElement(QWidget* element, const QImage& bitmap,
                       TSkinProject* document = nullptr) const;
    void RenderNumericDisplay(const QString& key, const QImage& bitmap, TVESKNumLabel* display,
                              TSkinProject* document = nullptr) const;
    // Places the panel by "SKIN_OBJS" with the size of its texture; answers
    // that size (an aligned panel may be given another by its container).
    QSize RenderPanelFace(const QString& key, const QImage& bitmap, TVESKSESkin* panel,
                          TSkinProject* document = nullptr) const;

    // Whether the frame renders the playlist's top panel and tab bar when
    // they are switched off or of no size. A newly loaded skin renders them
    // whatever the previous skin left; a re-render of the same skin keeps
    // what the user switched off.
    enum class TPlaylistPanels { KeepSwitchedOff, Render };
    // Border bars, face, playlist dock and the main preview's size.
    void RenderMainFrame(TPlaylistPanels panels = TPlaylistPanels::KeepSwitchedOff) const;

    // An element placed by the skin takes its texture's size; one at
    // 0,0,0,0 is no part of the skin and keeps its size.
    static void FitToTexture(QWidget* element, const QImage& texture);

    void RenderEqButton(TVESKSESkin* button, const QImage& bitmap, TSkinProject& document) const;
    void RenderEqToggle(TVESKSESkin* toggle, const QImage& bitmap, TSkinProject& document) const;
    // The equalizer's sliders: always vertical, half filled, thumb opaque.
    void ComposeVerticalSlider(TVESKSESkin* slider, const QImage& bitmap,
                               TSkinProject& document) const;
    void RenderEqualizer(TSkinProject& document, const QImage& bitmap) const;
    // Raises what the bitmap operations raise; the caller decides whether
    // the tray preview's errors are shown.
    void RenderTray(TSkinProject& document, const QImage& bitmap) const;

    // The texture that a rectangle key cuts out of a bitmap; empty for a
    // missing key.
    static QImage Texture(TSkinProject& document, const QImage& bitmap, const QString& section,
                          const QString& key);
    static void Place(QWidget* control, const TRect& bounds);

private:
    TSkinProject* Document(TSkinProject* given) const;
    void RenderSlider(TVESKSESkin* slider, const QImage& bitmap, TSkinProject& document) const;
    void RenderTrayStrip(TVESKSESkin* strip, const QImage& bitmap, TSkinProject& document) const;
    void RenderMultiDisplay(TVESKSESkin* block, const QImage& bitmap, TSkinProject& document) const;

    const TPreviewTrees& FTrees;
    TSkinProject* FMainDocument;
    const QImage* FMainBitmap;
};
