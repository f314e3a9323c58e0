// Replacing the picture the shown preview's textures are cut from.

#include <stdexcept>

#include <QBuffer>
#include <QImageWriter>
#include <QTabWidget>

#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"

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
        Dialogs().ShowImagePicker(this, *bitmap);

        // Whatever the picker did, the package holds the bitmap the preview
        // is cut from, so a save writes what the user sees. A bitmap that is
        // still empty has nothing to store.
        if (SkinFile && !bitmap->isNull()) {
            QBuffer stream;
            stream.open(QIODevice::ReadWrite);
            // Skin bitmaps have no alpha channel: Qt then writes 24 bits.
            QImageWriter writer(&stream, "bmp");
            const QImage opaque =
                bitmap->hasAlphaChannel() ? bitmap->convertToFormat(QImage::Format_RGB32) : *bitmap;
            if (!writer.write(opaque))
                throw std::runtime_error(writer.errorString().toStdString());
            stream.seek(0);
            SkinFile->AddFile(shown.Member, &stream);
        }

        // The main window's elements keep their textures until each is
        // rendered again; only the frame is cut anew.
        if (page == 0)
            RenderMainFrame();
        else if (page == 1)
            LoadEqualizer();
        else
            LoadTrayController(false);
    });
}
