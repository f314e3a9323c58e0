// The menu and fonts page: the context menu's colours and font with a
// sample drawn the way the player draws its menus, the menu's icon strip and
// the TrueType fonts that travel inside the package.

#include <climits>

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>

#include "compiler/EditorSaveTarget.h"
#include "compiler/MemberBytes.h"
#include "compiler/PackageFile.h"
#include "controls/VESKMenuPainter.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/PaintBox.h"
#include "editor/QX_SE.h"
#include "editor/Swatches.h"
#include "editor/edits/SkinEdit.h"
#include "graphics/BmpDecoder.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKErrors.h"

namespace {

const QString kImageList = QStringLiteral("imglist.bmp");
// The file dialogs speak Qt's filter syntax.
const QString kBitmapFilter = QStringLiteral("Bitmap (*.bmp)");
const QString kFontFilter = QStringLiteral("Fonts (*.ttf)");

constexpr int kSampleItems = 6;
constexpr int kSampleItemHeight = 20;
constexpr int kSampleGutter = 20;
constexpr int kSampleSelected = 1;
constexpr int kSampleSeparator = 2;
constexpr TShortCut kEnter = 13;
constexpr int kMemberNameSize = int(sizeof(TVESKFileItem::Name));

QImage ShownStrip(const QLabel* image) {
    return image->pixmap().toImage();
}

} // namespace

void TQXForm::ConnectMenuPage() {
    connect(Button12, &QPushButton::clicked, this, &TQXForm::Button12Click);
    connect(Button13, &QPushButton::clicked, this, &TQXForm::Button13Click);
    connect(Button14, &QPushButton::clicked, this, &TQXForm::Button14Click);
    connect(Button4, &QPushButton::clicked, this, &TQXForm::Button4Click);
    connect(Button15, &QPushButton::clicked, this, &TQXForm::Button15Click);
    connect(Button16, &QPushButton::clicked, this, &TQXForm::Button16Click);
    connect(Button17, &QPushButton::clicked, this, &TQXForm::Button17Click);
    connect(Button18, &QPushButton::clicked, this, &TQXForm::Button18Click);
    connect(Button2, &QPushButton::clicked, this, &TQXForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TQXForm::Button3Click);
    connect(Painter, &TPaintBox::OnPaint, this, &TQXForm::PainterPaint);
}

// ------------------------------------------------------------ menu sample

void TQXForm::PainterPaint(QPainter& canvas) {
    Guarded(this, [&] {
        if (!MenuPainter)
            return;
        const TColor selected = SwatchColor(Panel16);
        const TColor gutter = SwatchColor(Panel14);
        const TColor menu = SwatchColor(Panel15);
        const TColor border = SwatchColor(Panel19);
        const TFont font = SampleFont(Panel17);
        for (int i = 0; i < kSampleItems; ++i) {
            const TRect item{0, kSampleItemHeight * i, Painter->width(),
                             kSampleItemHeight * i + kSampleItemHeight};
            const unsigned state = i == kSampleSelected ? unsigned(ODS_SELECTED) : 0u;
            MenuPainter->DrawItemBackground(canvas, selected, gutter, menu, item, false, state,
                                            font, kSampleGutter, border);
            MenuPainter->DrawItemText(canvas, false, item, kSampleGutter, state, kEnter,
                                      QStringLiteral("Item %1").arg(i), font,
                                      i == kSampleSeparator);
        }
    });
}

// The looks wait in the swatches and the sample until a save writes them.
void TQXForm::ChooseMenuColor(QFrame* swatch) {
    Guarded(this, [&] {
        Edit(QStringLiteral("цвет меню"), TEditKind::Other, QString(), EditAspect::Pages, [&] {
            if (const auto chosen = Dialogs().Color(this, ColorToQColor(SwatchColor(swatch))))
                SetSwatchColor(swatch, RgbToColor(chosen->rgb()));
            // The font sample stands on the menu's colour, so a light font
            // on a dark menu stays readable.
            if (swatch == Panel15)
                SetSampleFont(Panel17, SampleFont(Panel17), SwatchColor(Panel15));
        });
    });
    Painter->update();
}

void TQXForm::Button12Click() {
    ChooseMenuColor(Panel14);
}

void TQXForm::Button13Click() {
    ChooseMenuColor(Panel15);
}

void TQXForm::Button14Click() {
    ChooseMenuColor(Panel16);
}

void TQXForm::Button4Click() {
    ChooseMenuColor(Panel19);
}

void TQXForm::Button15Click() {
    Guarded(this, [&] {
        const auto chosen = Dialogs().Font(this, SampleFont(Panel17));
        if (!chosen)
            return;
        TFont font = *chosen;
        // Skin font values store the height without its sign.
        if (font.Height < 0 && font.Height != INT_MIN)
            font.Height = -font.Height;
        Edit(QStringLiteral("шрифт меню"), TEditKind::Other, QString(), EditAspect::Pages,
             [&] { SetSampleFont(Panel17, font, SwatchColor(Panel15)); });
    });
    Painter->update();
}

// -------------------------------------------------------------- icon strip

void TQXForm::Button17Click() {
    Guarded(this, [&] {
        const QString fileName = Dialogs().OpenFileName(this, QString(), kBitmapFilter);
        if (fileName.isEmpty())
            return;
        const QImage strip = ReadBmpFile(fileName).Image;
        Edit(QStringLiteral("иконки меню"), TEditKind::Other, QString(),
             EditAspect::Pages | EditAspect::Members, [&] {
                 Image1->setPixmap(QPixmap::fromImage(strip));
                 AddMember(*SkinFile, kImageList, BitmapFileBytes(strip));
             });
    });
}

void TQXForm::Button16Click() {
    Guarded(this, [&] {
        Edit(QStringLiteral("очистка иконок меню"), TEditKind::Other, QString(),
             EditAspect::Pages | EditAspect::Members, [&] {
                 Image1->setPixmap(QPixmap());
                 // An empty bitmap makes an empty member: the player then
                 // draws its menus without icons.
                 AddMember(*SkinFile, kImageList, QByteArray());
             });
    });
}

void TQXForm::Button18Click() {
    Guarded(this, [&] {
        const QImage strip = ShownStrip(Image1);
        // An empty strip has no bitmap to write: a file of 0 bytes is no
        // picture any program opens.
        if (strip.isNull()) {
            Dialogs().Information(this, QStringLiteral("Иконки для меню"),
                                  QStringLiteral("Иконок нет: сохранять нечего."));
            return;
        }
        const QString answer = Dialogs().SaveFileName(this, QString(), kBitmapFilter, QString(),
                                                      QStringLiteral("bmp"));
        if (answer.isEmpty())
            return;
        const QString fileName = WithExtension(answer, QStringLiteral("bmp"));
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(BitmapFileBytes(strip)) < 0 ||
            !file.commit())
            throw EVESKError(QStringLiteral("Не удалось записать файл \"%1\"").arg(fileName));
    });
}

// ------------------------------------------------------------------- fonts

void TQXForm::Button2Click() {
    Guarded(this, [&] {
        const QString fileName = Dialogs().OpenFileName(this, QString(), kFontFilter);
        if (fileName.isEmpty())
            return;
        const QString name = QFileInfo(fileName).fileName();
        // Anything else would never be listed, so it could not be removed
        // again, and could replace one of the skin's own members. A name
        // longer than the container keeps loses its extension the same way.
        if (!IsFontMemberName(name))
            throw EVESKError(QStringLiteral("\"%1\" не является файлом шрифта (*.ttf)").arg(name));
        if (name.size() > kMemberNameSize)
            throw EVESKError(QStringLiteral("Имя файла шрифта \"%1\" длиннее %2 символов")
                                 .arg(name)
                                 .arg(kMemberNameSize));
        QFile font(fileName);
        if (!font.open(QIODevice::ReadOnly))
            throw EVESKError(QStringLiteral("Не удалось открыть файл \"%1\"").arg(fileName));
        Edit(QStringLiteral("добавление шрифта ") + name, TEditKind::Other, QString(),
             EditAspect::Members, [&] {
                 SkinFile->AddFile(name, &font);
                 RefreshFontList();
             });
    });
}

void TQXForm::Button3Click() {
    Guarded(this, [&] {
        const QListWidgetItem* item = ListBox1->currentItem();
        if (!item || !item->isSelected())
            return;
        const QString name = item->text();
        Edit(QStringLiteral("удаление шрифта ") + name, TEditKind::Other, QString(),
             EditAspect::Members, [&] {
                 SkinFile->RemoveFile(name);
                 RefreshFontList();
             });
    });
}
