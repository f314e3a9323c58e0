// The playlist page: the track list has no preview, so its colours, fonts
// and textures are edited here and written into the main document at once.

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include "compiler/EditorSaveTarget.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/QX_SE.h"
#include "editor/Swatches.h"
#include "editor/edits/SkinEdit.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace {

const QString kFonts = QStringLiteral("SKIN_FONTS");
const QString kRects = QStringLiteral("SKIN_RECTS");
constexpr TColor kWhite = 16777215;

// The texture boxes carry their key from the page layout.
QString KeyOf(const QLineEdit* box) {
    return box->property("SkinKey").toString();
}

} // namespace

void TQXForm::ConnectPlaylistPage() {
    // Every "Выбрать" of the page picks the rectangle of the box in its row.
    const std::pair<QPushButton*, QLineEdit*> textures[] = {
        {Button35, Edit17}, {Button36, Edit18}, {Button37, Edit19}, {Button38, Edit20},
        {Button39, Edit21}, {Button40, Edit22}, {Button31, Edit13}, {Button32, Edit14},
        {Button45, Edit23}, {Button49, Edit24}, {Button48, Edit25}, {Button47, Edit26},
        {Button33, Edit15}, {Button34, Edit16}, {Button70, Edit38}, {Button71, Edit39},
    };
    for (const auto& [button, box] : textures)
        connect(button, &QPushButton::clicked, this,
                [this, box = box] { PickPlaylistTexture(box); });

    connect(Button28, &QPushButton::clicked, this, &TQXForm::Button28Click);
    connect(Button29, &QPushButton::clicked, this, &TQXForm::Button29Click);
    connect(Button30, &QPushButton::clicked, this, &TQXForm::Button30Click);

    const std::pair<QPushButton*, const char*> fonts[] = {
        {Button72, "PLSNRM"},  {Button73, "PLSSEL"},  {Button74, "PLSCUR"},
        {Button41, "PLSTABN"}, {Button43, "PLSTABA"},
    };
    for (const auto& [button, key] : fonts) {
        connect(button, &QPushButton::clicked, this, [this, key = QString::fromLatin1(key)] {
            Guarded(this, [&] {
                Edit(QStringLiteral("шрифт ") + key, TEditKind::Other, key, 0,
                     [&] { ChooseFont(key, *SkinFile->Project); });
            });
        });
    }
    connect(Button42, &QPushButton::clicked, this, &TQXForm::Button42Click);
    connect(Button44, &QPushButton::clicked, this, &TQXForm::Button44Click);
    connect(Button46, &QPushButton::clicked, this, &TQXForm::Button46Click);
    // "clicked": the loader setting the box from the document writes nothing.
    connect(CheckBox1, &QCheckBox::clicked, this, &TQXForm::CheckBox1Click);
}

void TQXForm::FillPlaylistTab() {
    TSkinProject& document = *SkinFile->Project;
    SetSwatchColor(Panel25, document.ReadInteger(kFonts, QStringLiteral("PLSBK"), 0));
    SetSwatchColor(Panel26, document.ReadInteger(kFonts, QStringLiteral("PLSActive"), 0));
    SetSwatchColor(Panel27, document.ReadInteger(kFonts, QStringLiteral("PLSPlay"), 0));
    for (QLineEdit* box : {Edit17, Edit18, Edit19, Edit20, Edit21, Edit22, Edit13, Edit14, Edit23,
                           Edit24, Edit25, Edit26, Edit15, Edit16, Edit38, Edit39})
        box->setText(document.ReadString(kRects, KeyOf(box), QStringLiteral("0,0,0,0")));
}

void TQXForm::PickPlaylistTexture(QLineEdit* box) {
    Guarded(this, [&] {
        const QString key = KeyOf(box);
        // A value that is no rectangle stops here, before anything is written.
        TRect rect = StrToRect(box->text());
        const QImage noBitmap;
        // A cancel leaves the skin as it was, as the property sheet's
        // rectangle editor does: no key appears that the user never picked.
        if (!Dialogs().SelectRect(this, SkinFile->MainBmp ? *SkinFile->MainBmp : noBitmap, rect,
                                  false))
            return;
        TSkinProject& document = *SkinFile->Project;
        Edit(QStringLiteral("изменение ") + key, TEditKind::Other, key, 0, [&] {
            document.WriteRect(kRects, key, rect);
            // The selected scroll background always equals the normal one.
            if (key.compare(QStringLiteral("SCROLLSLIDER_BK"), Qt::CaseInsensitive) == 0)
                document.WriteRect(kRects, QStringLiteral("SCROLLSLIDER_BKS"), rect);
            box->setText(RectToStr(rect));
            FillPlaylistTab();
        });
    });
}

void TQXForm::ChoosePlaylistColor(QFrame* swatch, const QString& key) {
    Guarded(this, [&] {
        const auto chosen = Dialogs().Color(this, ColorToQColor(SwatchColor(swatch)));
        if (!chosen)
            return;
        const TColor color = RgbToColor(chosen->rgb());
        Edit(QStringLiteral("цвет ") + key, TEditKind::Other, key, 0, [&] {
            SetSwatchColor(swatch, color);
            SkinFile->Project->WriteInteger(kFonts, key, color);
        });
    });
}

void TQXForm::Button28Click() {
    ChoosePlaylistColor(Panel25, QStringLiteral("PLSBK"));
}

void TQXForm::Button29Click() {
    ChoosePlaylistColor(Panel26, QStringLiteral("PLSActive"));
}

void TQXForm::Button30Click() {
    ChoosePlaylistColor(Panel27, QStringLiteral("PLSPlay"));
}

// The two "Цвет шрифта" buttons sit beside the other row's font button: the
// upper one colours the active tab font, the lower one the normal one.
void TQXForm::Button42Click() {
    Guarded(this, [&] {
        Edit(QStringLiteral("цвет шрифта PLSTABA"), TEditKind::Other, QString(), 0,
             [&] { ChooseFontColor(QStringLiteral("PLSTABA"), *SkinFile->Project); });
    });
}

void TQXForm::Button44Click() {
    Guarded(this, [&] {
        Edit(QStringLiteral("цвет шрифта PLSTABN"), TEditKind::Other, QString(), 0,
             [&] { ChooseFontColor(QStringLiteral("PLSTABN"), *SkinFile->Project); });
    });
}

void TQXForm::Button46Click() {
    Guarded(this, [&] {
        TSkinProject& document = *SkinFile->Project;
        const TColor current = document.ReadInteger(kFonts, QStringLiteral("PLSTABC"), kWhite);
        if (const auto chosen = Dialogs().Color(this, ColorToQColor(current)))
            Edit(QStringLiteral("цвет PLSTABC"), TEditKind::Other, QString(), 0, [&] {
                document.WriteInteger(kFonts, QStringLiteral("PLSTABC"), RgbToColor(chosen->rgb()));
            });
    });
}

void TQXForm::CheckBox1Click() {
    Guarded(this, [&] {
        Edit(QStringLiteral("полоса прокрутки плейлиста"), TEditKind::Other, QString(), 0, [&] {
            SkinFile->Project->WriteBool(QStringLiteral("SKIN_WIDTHS"),
                                         QStringLiteral("HidePLSScroll"), CheckBox1->isChecked());
        });
    });
}
