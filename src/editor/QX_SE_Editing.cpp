// Editing the value behind a row of the property sheet: the row's type name
// picks the editor, the value goes into the document of the preview the
// element belongs to, and the element is shown again so the sheet reads
// what the document now holds. Rectangles have a file of their own.

#include <QTabWidget>
#include <QTreeWidget>

#include "controls/SelectedElement.h"
#include "controls/VESKSELabel.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/PreviewTrees.h"
#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "editor/edits/SkinEdit.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"
#include "text/VESKIntParse.h"

namespace {

// The tray strip's modes as the sheet shows them, each followed by the next
// one round. A number the player does not know starts the round again.
int NextStripStyle(const QString& shown) {
    if (shown == QLatin1String("Horizontal"))
        return 1;
    if (shown == QLatin1String("Hor.Invert"))
        return 2;
    return 0;
}

} // namespace

void TQXForm::ConnectPropertyEditing() {
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1DblClick(); });
}

TSkinProject* TQXForm::PageDocument(int page) const {
    switch (page) {
    case 0:
        return SkinFile ? SkinFile->Project.get() : nullptr;
    case 1:
        return EqDocument.get();
    case 2:
        return TrayDocument.get();
    default:
        return nullptr;
    }
}

const QImage* TQXForm::PageBitmap(int page) const {
    switch (page) {
    case 0:
        return SkinFile ? SkinFile->MainBmp.get() : nullptr;
    case 1:
        return EqBitmap.get();
    case 2:
        return TrayBitmap.get();
    default:
        return nullptr;
    }
}

int TQXForm::PreviewPageOf(const QWidget* element) const {
    // The tray page keeps the sheet of an element selected elsewhere; its
    // rows must still edit the document the element was read from.
    if (element) {
        if (Previews().Holds(TSkinWindow::Main, element))
            return 0;
        if (Previews().Holds(TSkinWindow::Equalizer, element))
            return 1;
        if (Previews().Holds(TSkinWindow::Tray, element))
            return 2;
    }
    return PageControl2->currentIndex();
}

void TQXForm::ListView1DblClick() {
    Guarded(this, [this] {
        const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
        const TVKProperty* record = selected.isEmpty() ? nullptr : PropertyOf(selected.first());
        if (!record)
            return;
        // Showing the element again rebuilds the sheet and frees the rows'
        // records, so the edit works on a copy.
        const TVKProperty row = *record;
        const int page = PreviewPageOf(row.Element);
        TSkinProject* document = PageDocument(page);
        const QImage* bitmap = PageBitmap(page);
        if (!document || !bitmap)
            return;

        Edit(QStringLiteral("изменение ") + row.Key, TEditKind::Other, row.Key, 0,
             [&] { EditPropertyRow(row, *document, *bitmap); });
    });
}

void TQXForm::EditPropertyRow(const TVKProperty& row, TSkinProject& document,
                              const QImage& bitmap) {
    const QString& type = row.TypeName;
    if (type == QLatin1String("TGSTYLE")) {
        document.WriteInteger(row.Section, row.Key, NextStripStyle(row.Value));
        RenderElement(row.Element, bitmap, &document);
    } else if (type == QLatin1String("TINT")) {
        EditIntegerValue(row, document);
    } else if (type == QLatin1String("TRECT")) {
        EditRectProperty(row, document, bitmap);
    } else if (type == QLatin1String("TCOLOR")) {
        ChooseColorValue(row, document);
    } else if (type == QLatin1String("TFONT")) {
        ChooseFont(row.Key, document);
        ReloadSelectedLabel(document);
    } else if (type == QLatin1String("TFONTCOLOR")) {
        ChooseFontColor(row.Key, document);
        ReloadSelectedLabel(document);
    } else if (type == QLatin1String("BOOL")) {
        document.WriteBool(row.Section, row.Key, row.Value == QLatin1String("False"));
        // A slider drawn the other way round shows so at once, as it will
        // after undo and redo, which render from the document.
        RenderElement(row.Element, bitmap, &document);
    } else {
        return;
    }
    if (SelectedElement)
        SelectElementAsClick(SelectedElement);
}

void TQXForm::EditIntegerValue(const TVKProperty& row, TSkinProject& document) {
    const auto text = Dialogs().Text(this, QStringLiteral("Integer Value Editor"),
                                     QStringLiteral("Value"), row.Value);
    if (!text)
        return;
    // What is not a number is taken as no answer, without a word.
    const auto value = TryStrToInt(*text);
    if (!value)
        return;
    document.WriteInteger(row.Section, row.Key, *value);
    if (row.Element && row.Element->objectName() == QLatin1String("main_"))
        LoadEqualizer();
}

void TQXForm::ReloadSelectedLabel(TSkinProject& document) {
    // List boxes are labels too: both show the font just chosen.
    if (auto* label = qobject_cast<TVESKSELabel*>(SelectedElement.data()))
        LoadLabelLook(label, document);
}
