// The window's preview trees and its handle on the renderer and the loader.

#include "editor/QX_SE.h"

#include "editor/PreviewTrees.h"
#include "editor/SkinLoader.h"
#include "editor/SkinRenderer.h"
#include "storage/QXSPFile.h"

void TQXForm::BuildPreviewTrees() {
    FPreviews = std::make_unique<TPreviewTrees>();
    TPreviewHandlers handlers;
    handlers.Select = [this](QWidget* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                             int x, int y) { LeftbarMouseDown(sender, button, shift, x, y); };
    handlers.Drag = [this](QWidget* sender, Qt::KeyboardModifiers shift, int x, int y) {
        LeftBarMouseMove(sender, shift, x, y);
    };
    handlers.Release = [this](QWidget* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                              int x, int y) { LeftBarMouseUp(sender, button, shift, x, y); };
    FPreviews->Build(TSkinWindow::Main, MainCtrl, handlers);
    FPreviews->Build(TSkinWindow::Equalizer, EQUA, handlers);
    FPreviews->Build(TSkinWindow::Tray, TrayControlMain, handlers);
}

TSkinRenderer TQXForm::Renderer() {
    return TSkinRenderer(*FPreviews, SkinFile ? SkinFile->Project.get() : nullptr,
                         SkinFile ? SkinFile->MainBmp.get() : nullptr);
}

TSkinLoader TQXForm::Loader() {
    return TSkinLoader(*FPreviews,
                       TSkinState{&SkinFile, &EqDocument, &EqBitmap, &TrayDocument, &TrayBitmap});
}

void TQXForm::RenderElement(QWidget* element, const QImage& bitmap, TSkinProject* document) {
    Renderer().RenderElement(element, bitmap, document);
}

void TQXForm::RenderNumericDisplay(const QString& key, const QImage& bitmap, TVESKNumLabel* display,
                                   TSkinProject* document) {
    Renderer().RenderNumericDisplay(key, bitmap, display, document);
}

void TQXForm::RenderMainFrame() {
    Renderer().RenderMainFrame();
}

QWidget* TQXForm::ParentPanelByName(const QString& code) {
    return Loader().ParentPanelByName(code);
}
