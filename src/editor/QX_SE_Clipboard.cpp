// The texture clipboard of the element menu: copy remembers an element,
// paste gives the selected element of the same kind the remembered one's
// state textures, orientation and size. The editor keeps it to itself; the
// system clipboard is left to the text fields.

#include <QAction>
#include <QMenu>

#include "controls/ElementControl.h"
#include "controls/SelectedElement.h"
#include "editor/ErrorBox.h"
#include "editor/PreviewTrees.h"
#include "editor/QX_SE.h"
#include "editor/edits/SkinEdit.h"
#include "text/SkinProject.h"

namespace {

const QString kRects = QStringLiteral("SKIN_RECTS");

// Kinds whose textures are interchangeable, with the state keys they are
// made of; nothing else takes part.
QStringList TextureSuffixes(int kind) {
    switch (ElementKind(kind)) {
    case ElementKind::PushButton:
        return {QStringLiteral("_NRM"), QStringLiteral("_SEL"), QStringLiteral("_DWN")};
    case ElementKind::ToggleButton:
        return {QStringLiteral("_UCH"), QStringLiteral("_CHK"), QStringLiteral("_UCHS"),
                QStringLiteral("_CHKS")};
    case ElementKind::Slider:
    case ElementKind::EqSlider:
        return {QStringLiteral("_BK"), QStringLiteral("_BKS"), QStringLiteral("_THM")};
    default:
        return {};
    }
}

bool TakesPart(int kind) {
    return !TextureSuffixes(kind).isEmpty();
}

// -1 for anything that is no element, so it never matches an empty
// clipboard's kind either.
int KindOf(QWidget* widget) {
    const TElementControl* control = AsElementControl(widget);
    return control ? control->Tag : -1;
}

// The equalizer's close button is keyed like the main window's.
QString TextureKey(const QString& name) {
    return name.compare(QLatin1String("CloseBtn_"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("CloseBtn")
               : name;
}

} // namespace

void TQXForm::EmptyTextureClipboard() {
    FTextureClipboard = TTextureClipboard();
}

void TQXForm::ConnectTextureClipboard() {
    connect(ElementMenu, &QMenu::aboutToShow, this, &TQXForm::ElementMenuPopup);
    // The menu shows what applies to the element it was opened on; the
    // shortcuts must reach the commands again afterwards, and each command
    // checks for itself.
    connect(ElementMenu, &QMenu::aboutToHide, this, [this] {
        Action4->setEnabled(true);
        Action5->setEnabled(true);
    });
    connect(Action4, &QAction::triggered, this, &TQXForm::CopyTextureParams);
    connect(Action5, &QAction::triggered, this, &TQXForm::PasteTextureParams);
}

bool TQXForm::CanCopyTextureParams() const {
    return TakesPart(KindOf(SelectedElement));
}

bool TQXForm::CanPasteTextureParams() const {
    return CanCopyTextureParams() && KindOf(SelectedElement) == FTextureClipboard.Kind &&
           FTextureClipboard.Element;
}

void TQXForm::ElementMenuPopup() {
    Guarded(this, [this] {
        Action4->setEnabled(CanCopyTextureParams());
        const bool canPaste = CanPasteTextureParams();
        Action5->setEnabled(canPaste);
        const QString hint = Action5->toolTip();
        Action5->setText(canPaste ? hint + QStringLiteral("  [") + FTextureClipboard.Name + u']'
                                  : hint);
    });
}

void TQXForm::CopyTextureParams() {
    Guarded(this, [this] {
        QWidget* element = SelectedElement;
        if (!CanCopyTextureParams())
            return;
        FTextureClipboard.Name = element->objectName();
        FTextureClipboard.Kind = KindOf(element);
        // The page that holds the element, which is the page shown unless
        // the selection was left behind on another one.
        FTextureClipboard.Page = PreviewPageOf(element);
        FTextureClipboard.Element = element;
    });
}

void TQXForm::PasteTextureParams() {
    Guarded(this, [this] {
        if (!CanPasteTextureParams())
            return;
        QWidget* target = SelectedElement;
        const QWidget* source = FTextureClipboard.Element;
        const int kind = FTextureClipboard.Kind;
        const int page = PreviewPageOf(target);
        TSkinProject* from = PageDocument(FTextureClipboard.Page);
        TSkinProject* to = PageDocument(page);
        const QImage* bitmap = PageBitmap(page);
        if (!from || !to || !bitmap)
            return;
        const QString s = TextureKey(FTextureClipboard.Name);
        const QString d = TextureKey(target->objectName());
        Edit(
            QStringLiteral("вставка текстур ") + target->objectName(), TEditKind::Other, d, 0, [&] {
                for (const QString& suffix : TextureSuffixes(kind))
                    to->WriteRect(kRects, d + suffix, from->ReadRect(kRects, s + suffix, TRect()));
                if (kind == int(ElementKind::Slider) || kind == int(ElementKind::EqSlider)) {
                    const QString widths = QStringLiteral("SKIN_WIDTHS");
                    const QString horizontal = QStringLiteral("_HORIZONTAL");
                    to->WriteBool(
                        widths, d + horizontal,
                        from->ReadBool(widths, s + horizontal, kind == int(ElementKind::Slider)));
                }
                SetBounds(target, QRect(target->pos(), source->size()));
                to->WriteRect(QStringLiteral("SKIN_OBJS"), d, TRect::FromQRect(target->geometry()));
                RenderElement(target, *bitmap, to);
                // The sheet would otherwise offer the old rectangles for editing.
                SelectElementAsClick(target);
            });
    });
}
