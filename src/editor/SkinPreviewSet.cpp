#include "editor/SkinPreviewSet.h"

#include <QWidget>

#include "editor/SkinLoader.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKDraw.h"
#include "graphics/VESKHue.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace {

void TurnHue(QImage* bitmap, int value) {
    if (!bitmap || bitmap->isNull())
        return;
    TVESKBmp working(*bitmap);
    ApplyHue(working, value);
    *bitmap = working.Image().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TSkinPreviewSet::TSkinPreviewSet() {
    for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray}) {
        auto& root = FRoots[int(window)];
        root = std::make_unique<QWidget>();
        FTrees.Build(window, root.get());
    }
}

TSkinPreviewSet::~TSkinPreviewSet() = default;

TSkinLoader TSkinPreviewSet::Loader() {
    return TSkinLoader(
        FTrees, TSkinState{&FSkinFile, &FEqDocument, &FEqBitmap, &FTrayDocument, &FTrayBitmap});
}

void TSkinPreviewSet::Load(std::unique_ptr<TQXSPFile> file) {
    // The editor's open command forgets these so that the new package's
    // members are read.
    FEqDocument.reset();
    FTrayDocument.reset();
    Loader().LoadSkin(std::move(file));
}

bool TSkinPreviewSet::ApplyScheme(int index) {
    if (!FSkinFile || index < 0 || index >= FSkinFile->GetThemeCount())
        return false;
    const int value = FSkinFile->GetThemeValue(index);
    CurrentTheme = value;
    if (value == 0)
        return true;
    TurnHue(FSkinFile->MainBmp.get(), value);
    TurnHue(FEqBitmap.get(), value);
    TurnHue(FTrayBitmap.get(), value);
    Loader().RenderAll();
    return true;
}

TSkinProject* TSkinPreviewSet::Document(TSkinWindow window) const {
    switch (window) {
    case TSkinWindow::Equalizer:
        return FEqDocument.get();
    case TSkinWindow::Tray:
        return FTrayDocument.get();
    case TSkinWindow::Main:
        break;
    }
    return FSkinFile ? FSkinFile->Project.get() : nullptr;
}

const QImage* TSkinPreviewSet::Bitmap(TSkinWindow window) const {
    switch (window) {
    case TSkinWindow::Equalizer:
        return FEqBitmap.get();
    case TSkinWindow::Tray:
        return FTrayBitmap.get();
    case TSkinWindow::Main:
        break;
    }
    return FSkinFile ? FSkinFile->MainBmp.get() : nullptr;
}

QImage RenderPreviewImage(QWidget* root) {
    if (!root)
        return QImage();
    const QSize size = root->size();
    if (size.isEmpty() || size.width() > kMaxCutSide || size.height() > kMaxCutSide ||
        qint64(size.width()) * size.height() > kMaxCutPixels)
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    root->render(&image);
    return image;
}
