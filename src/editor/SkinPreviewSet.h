#pragma once

#include <memory>

#include <QImage>

#include "editor/PreviewTrees.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

class QWidget;
class TSkinLoader;

// The three previews of a package without the editor's window, built from
// the same layout and loaded and rendered by the same code: what `qxsp
// render` draws and what tests compare the window with.
class TSkinPreviewSet {
public:
    TSkinPreviewSet();
    ~TSkinPreviewSet();
    TSkinPreviewSet(const TSkinPreviewSet&) = delete;
    TSkinPreviewSet& operator=(const TSkinPreviewSet&) = delete;

    // Loads the package into the previews, as opening it in the editor does.
    void Load(std::unique_ptr<TQXSPFile> file);
    // Recolours the skin by its colour scheme index (0 is the skin's own
    // colours) and renders the previews again: the bitmaps' hue is turned by
    // the scheme's value and the program-wide scheme becomes that value, so
    // font colours follow as the player's do. False, and nothing changes,
    // for an index the package does not have.
    bool ApplyScheme(int index);

    QWidget* Root(TSkinWindow window) const { return FTrees.Root(window); }
    const TPreviewTrees& Trees() const { return FTrees; }
    TQXSPFile* Package() const { return FSkinFile.get(); }
    TSkinProject* EqDocument() const { return FEqDocument.get(); }
    TSkinProject* TrayDocument() const { return FTrayDocument.get(); }
    // The document and bitmap the window's preview is drawn from; null
    // before a load.
    TSkinProject* Document(TSkinWindow window) const;
    const QImage* Bitmap(TSkinWindow window) const;

private:
    TSkinLoader Loader();

    std::unique_ptr<QWidget> FRoots[3];
    TPreviewTrees FTrees;
    std::unique_ptr<TQXSPFile> FSkinFile;
    std::unique_ptr<TSkinProject> FEqDocument;
    std::unique_ptr<QImage> FEqBitmap;
    std::unique_ptr<TSkinProject> FTrayDocument;
    std::unique_ptr<QImage> FTrayBitmap;
};

// The preview container with everything on it, pixel for pixel as the
// screen shows it (with whatever selection frame is drawn at the time).
// Null for an empty container or one beyond any texture's size.
QImage RenderPreviewImage(QWidget* root);
