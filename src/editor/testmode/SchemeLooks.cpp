#include "editor/testmode/SchemeLooks.h"

#include <QWidget>

#include "controls/VESKSELabel.h"
#include "controls/VESKSkinCtrls.h"
#include "controls/VESK_SE_Panel.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKHue.h"
#include "text/SkinProject.h"

QImage SchemeImage(const QImage& image, int shift) {
    if (shift == 0 || image.isNull())
        return image;
    TVESKBmp working(image);
    ApplyHue(working, shift);
    return working.Image().convertToFormat(QImage::Format_RGB32);
}

void ApplySchemeTo(const QList<QWidget*>& controls, int shift) {
    if (shift == 0)
        return;
    for (QWidget* control : controls) {
        if (auto* skin = qobject_cast<TVESKSESkin*>(control)) {
            skin->SetImgAux1(SchemeImage(skin->ImgAux1(), shift));
            skin->SetImgAux2(SchemeImage(skin->ImgAux2(), shift));
            skin->SetImgBackGround(SchemeImage(skin->ImgBackGround(), shift));
        } else if (auto* digits = qobject_cast<TVESKNumLabel*>(control)) {
            digits->SetSkin(SchemeImage(digits->Skin(), shift));
            digits->update();
        } else if (auto* label = qobject_cast<TVESKSELabel*>(control)) {
            TFont font = label->Font();
            font.Color = ThemeColor(font.Color, shift);
            label->SetFont(font);
            label->SetColor(ThemeColor(label->Color(), shift));
        }
    }
}

TSchemeColours::TSchemeColours(int shift) : FBefore(CurrentTheme) {
    CurrentTheme = shift;
}

TSchemeColours::~TSchemeColours() {
    CurrentTheme = FBefore;
}

void TTestScheme::Begin(int shift, const TTestPages& pages) {
    End();
    if (shift == 0)
        return;
    FShift = shift;
    FColours = std::make_unique<TSchemeColours>(shift);
    for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray}) {
        const TTestPage page = pages(window);
        if (page.Bitmap)
            FBitmaps[int(window)] = SchemeImage(*page.Bitmap, shift);
    }
}

void TTestScheme::End() {
    FShift = 0;
    FColours.reset();
    for (QImage& bitmap : FBitmaps)
        bitmap = QImage();
}

TTestPage TTestScheme::Page(TSkinWindow window, const TTestPage& page) const {
    const QImage& turned = FBitmaps[int(window)];
    if (FShift == 0 || !page.Bitmap || turned.isNull())
        return page;
    return TTestPage{page.Document, &turned};
}
