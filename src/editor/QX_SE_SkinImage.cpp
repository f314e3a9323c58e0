// Replacing the picture the shown preview's textures are cut from.

#include <QTabWidget>

#include "compiler/MemberBytes.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/QX_SE.h"
#include "editor/SkinLoader.h"
#include "editor/edits/SkinEdit.h"
#include "storage/QXSPFile.h"
#include "storage/SkinVocabulary.h"

namespace {

// The package member and the bitmap of a preview page.
struct TPageImage {
    std::unique_ptr<QImage>* Bitmap = nullptr;
    QString Member;
};

} // namespace

void TQXForm::SpeedButton1Click() {
    Guarded(this, [this] {
        const int page = PageControl2->currentIndex();
        TPageImage shown;
        if (page == 0 && SkinFile)
            shown = {&SkinFile->MainBmp, QStringLiteral("main.bmp")};
        else if (page == 1)
            shown = {&EqBitmap, QStringLiteral("equa.bmp")};
        else if (page == 2)
            shown = {&TrayBitmap, QStringLiteral("tray.bmp")};
        if (!shown.Bitmap)
            return;
        std::unique_ptr<QImage>& bitmap = *shown.Bitmap;
        if (!bitmap)
            bitmap = std::make_unique<QImage>();
        Edit(QStringLiteral("замена рисунка ") + shown.Member, TEditKind::Other, shown.Member,
             EditAspect::Bitmaps | EditAspect::Members, [&] {
                 Dialogs().ShowImagePicker(this, *bitmap);
                 // Whatever the picker did, the package holds the bitmap the
                 // preview is cut from, as exact 24-bit pixels, so a save
                 // writes what the user sees. A bitmap that is still empty
                 // has nothing to store.
                 if (SkinFile && !bitmap->isNull())
                     AddMember(*SkinFile, shown.Member, BitmapFileBytes(*bitmap));
                 RenderPreview(page == 0   ? TSkinWindow::Main
                               : page == 1 ? TSkinWindow::Equalizer
                                           : TSkinWindow::Tray);
             });
    });
}

void TQXForm::RenderPreview(TSkinWindow window) {
    Loader().RenderWindow(window);
}
