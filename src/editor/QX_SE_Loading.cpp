// Loading a package into the window: the previews through the loader, and
// the pages that show the skin's header, description, playlist option,
// menu looks, icon strip and fonts.

#include "editor/QX_SE.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "compiler/EditorSaveTarget.h"
#include "controls/PlainPanel.h"
#include "editor/PaintBox.h"
#include "editor/PreviewTrees.h"
#include "editor/SkinLoader.h"
#include "editor/Swatches.h"
#include "graphics/BmpDecoder.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace {

const QString kFonts = QStringLiteral("SKIN_FONTS");
const QString kNoDescription = QStringLiteral("(описания нет)");

} // namespace

void TQXForm::LoadSkin(std::unique_ptr<TQXSPFile> file) {
    TLoadPages pages;
    pages.ShowHeader = [this](TQXSPFile& package) { ShowSkinHeader(package); };
    pages.ReadPlaylistFlag = [this](TSkinProject& document) {
        CheckBox1->setChecked(document.ReadBool(QStringLiteral("SKIN_WIDTHS"),
                                                QStringLiteral("HidePLSScroll"), true));
    };
    pages.LoadImageList = [this](TQXSPFile& package) { LoadImageList(package); };
    pages.ReadMenuLooks = [this](TSkinProject& document) { ReadMenuLooks(document); };
    pages.RefreshFontList = [this] { RefreshFontList(); };
    pages.FillPlaylistTab = [this] { FillPlaylistTab(); };
    pages.ShowMainPreview = [this] { PageControl2->setCurrentIndex(0); };
    pages.FillElementList = [this] {
        CheckListBox1->clear();
        FillElementList(MainCtrl);
        // The list walk does not enter plain panels: the playlist dock's
        // elements come from a walk of their own.
        FillElementList(FPreviews->PlaylistMan());
    };
    Loader().LoadSkin(std::move(file), pages);
}

void TQXForm::ShowSkinHeader(TQXSPFile& package) {
    Edit1->setText(QStringLiteral("skin.bmp"));
    Edit2->setText(package.SkinName);
    Edit3->setText(package.Author);
    // The description belongs to the skin: a newly opened skin shows its
    // own, not the one the previous skin left on the page.
    const auto description = package.ExtractFile(QStringLiteral("info.txt"));
    Memo1->setPlainText(description ? DecodeDescription(description->data()) : kNoDescription);
}

void TQXForm::LoadImageList(TQXSPFile& package) {
    // A missing strip leaves the picture as it was, and so does an empty
    // member, which is how a cleared strip is stored; an unreadable one is
    // reported too.
    const QString member = QStringLiteral("imglist.bmp");
    const QString action = QStringLiteral("the icon strip keeps its previous picture");
    const auto stream = package.ExtractReported(member, action);
    if (!stream || stream->size() == 0)
        return;
    try {
        Image1->setPixmap(QPixmap::fromImage(DecodeBmp(stream->data(), member).Image));
    } catch (const EBadBitmap& error) {
        package.Problems.Add(member, error.Reason, action);
    }
}

void TQXForm::ReadMenuLooks(TSkinProject& document) {
    // Everything the page holds comes from this skin: nothing chosen for
    // the previous one may reach this one's save. A missing font starts
    // from the default one, not from the previous skin's.
    constexpr TColor white = 16777215;
    SetSwatchColor(Panel14, document.ReadInteger(kFonts, QStringLiteral("GutterColor"), white));
    SetSwatchColor(Panel15, document.ReadInteger(kFonts, QStringLiteral("MENUCOLOR"), white));
    SetSwatchColor(Panel16, document.ReadInteger(kFonts, QStringLiteral("SelectedColor"), white));
    SetSwatchColor(Panel19, document.ReadInteger(kFonts, QStringLiteral("BorderColor"), 0));
    TFont font;
    document.ReadFontTo(kFonts, QStringLiteral("MENUFONT"), font);
    SetSampleFont(Panel17, font, SwatchColor(Panel15));
    if (Painter)
        Painter->update();
}

void TQXForm::LoadEqualizer() {
    Loader().LoadEqualizer();
}

void TQXForm::LoadTrayController(bool reload) {
    Loader().LoadTrayController(reload);
}

void TQXForm::LoadLabelLook(TVESKSELabel* label, TSkinProject& document) {
    Loader().LoadLabelLook(label, document);
}

void TQXForm::RefreshFontList() {
    ListBox1->clear();
    if (SkinFile)
        ListBox1->addItems(TSkinLoader::FontMembers(*SkinFile));
}
