#include "editor/PropertySheet.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTreeWidget>

#include "controls/ElementControl.h"
#include "storage/PropertyRows.h"
#include "text/SkinProject.h"

namespace {

const QString RectDefault = QStringLiteral("0,0,0,0");

// The main window's areas in the order of the parent selector's entries.
const char* const ParentAreas[] = {"Main", "TopPanel", "PlsCtrl", "RightBar", "Leftbar"};

// The two blocks of the multi-display are cut as one picture: the upper
// block's left, top and right with the lower block's bottom.
QString MultiDisplaySpan(TSkinProject& document) {
    const QString section = QStringLiteral("SKIN_RECTS");
    const TRect top = document.ReadRect(section, QStringLiteral("MultiDisplayTOP"), TRect());
    const TRect bottom = document.ReadRect(section, QStringLiteral("MultiDisplayBTM"), TRect());
    return RectToStr(TRect{top.Left, top.Top, top.Right, bottom.Bottom});
}

QString ValueText(const TRowSpec& row, const QString& key, TSkinProject& document) {
    const QString section = QString::fromLatin1(row.Section);
    const QLatin1String type(row.TypeName);
    if (row.Value == TRowValue::MultiDisplaySpan)
        return MultiDisplaySpan(document);
    if (type == QLatin1String("TRECT"))
        return document.ReadString(section, key, RectDefault);
    if (type == QLatin1String("TINT") || type == QLatin1String("TCOLOR"))
        return QString::number(document.ReadInteger(section, key, row.Default));
    if (type == QLatin1String("TFONT"))
        return QStringLiteral("TFont");
    if (type == QLatin1String("TFONTCOLOR"))
        return QLatin1String(row.Caption) == QLatin1String("FontColor")
                   ? QStringLiteral("TFontColor")
                   : QStringLiteral("TFONTCOLOR");
    if (type == QLatin1String("BOOL"))
        return document.ReadBool(section, key, row.Default != 0) ? QStringLiteral("True")
                                                                 : QStringLiteral("False");
    if (type == QLatin1String("TGSTYLE"))
        return TrayStripStyleText(document.ReadInteger(section, key, row.Default));
    return QString();
}

void AddRows(QTreeWidget* list, QWidget* element, std::span<const TRowSpec> rows,
             const QString& stem, TSkinProject& document) {
    for (const TRowSpec& row : rows) {
        const QString key = ExpandKey(row.Key, stem);
        QStringList dependents;
        for (const char* dependent : row.Dependents)
            if (dependent)
                dependents << ExpandKey(dependent, stem);
        AddPropertyRow(list, element, QString::fromLatin1(row.Caption),
                       QString::fromLatin1(row.Section), key, ValueText(row, key, document),
                       QString::fromLatin1(row.TypeName), row.Dependent, dependents);
    }
    // A value wider than its column (a large sheet's four-figure rectangle)
    // widens it; a column is never narrowed, so a width the user dragged and
    // the page's layout stay as they are.
    const QAbstractItemView* view = list;
    for (const int column : {0, 1})
        if (const int wanted = view->sizeHintForColumn(column); wanted > list->columnWidth(column))
            list->setColumnWidth(column, wanted);
}

void ShowLabelGeometry(const TPropertySheetView& view, const QWidget* element) {
    view.GeometryPanel->show();
    const QRect bounds = element->geometry();
    view.GeometryLeft->setValue(bounds.left());
    view.GeometryTop->setValue(bounds.top());
    view.GeometryWidth->setValue(bounds.width());
    view.GeometryHeight->setValue(bounds.height());
}

void AddKindRows(const TPropertySheetView& view, TSkinWindow window, QWidget* element,
                 const QString& stem, TSkinProject& document) {
    const TElementControl* control = AsElementControl(element);
    if (!control)
        return;
    const TKindRows* kind = FindKindRows(window, control->Kind());
    if (!kind)
        return;
    if (kind->LabelGeometry)
        ShowLabelGeometry(view, element);
    AddRows(view.List, element, kind->Rows, stem, document);
}

void SelectParentArea(const TPropertySheetView& view, const QWidget* element) {
    const QWidget* container = element->parentWidget();
    if (!container)
        return;
    for (int index = 0; index < int(std::size(ParentAreas)); ++index)
        if (container->objectName() == QLatin1String(ParentAreas[index]))
            view.ParentSelector->setCurrentIndex(index);
}

bool OffersParentSelector(QWidget* element) {
    const TElementControl* control = AsElementControl(element);
    if (!control)
        return false;
    // The tab strip's buttons always stay on the tab strip.
    if (control->Name() == QLatin1String("TCN") || control->Name() == QLatin1String("TCP"))
        return false;
    switch (control->Kind()) {
    case ElementKind::PushButton:
    case ElementKind::ToggleButton:
    case ElementKind::NumericDisplay:
    case ElementKind::TextLabel:
    case ElementKind::ListBox:
        return true;
    default:
        return false;
    }
}

} // namespace

const TVKProperty* PropertyOf(const QTreeWidgetItem* item) {
    const auto* row = dynamic_cast<const TPropertyItem*>(item);
    return row ? &row->Property() : nullptr;
}

void AddPropertyRow(QTreeWidget* list, QWidget* element, const QString& caption,
                    const QString& section, const QString& key, const QString& value,
                    const QString& typeName, bool isDependent, const QStringList& dependentKeys) {
    auto* item = new TPropertyItem(
        TVKProperty{element, section, key, value, typeName, isDependent, dependentKeys});
    item->setText(0, caption);
    item->setText(1, value);
    list->addTopLevelItem(item);
}

QString TrayStripStyleText(int mode) {
    switch (mode) {
    case 0:
        return QStringLiteral("Horizontal");
    case 1:
        return QStringLiteral("Hor.Invert");
    case 2:
        return QStringLiteral("Vertical");
    default:
        return QString::number(mode);
    }
}

void FillMainProperties(const TPropertySheetView& view, QWidget* element, TSkinProject& document) {
    view.MoveUpButton->hide();
    const QString name = element->objectName();
    if (const TAreaRows* area = FindMainAreaRows(name)) {
        AddRows(view.List, element, area->Rows, name, document);
        if (area->MoveUp)
            view.MoveUpButton->show();
    } else {
        AddKindRows(view, TSkinWindow::Main, element, name, document);
    }
    SelectParentArea(view, element);
    view.ParentPanel->setVisible(OffersParentSelector(element));
}

void FillEqualizerProperties(const TPropertySheetView& view, QWidget* element,
                             TSkinProject& document) {
    QString stem = element->objectName();
    if (stem.endsWith(u'_'))
        stem.chop(1);
    AddKindRows(view, TSkinWindow::Equalizer, element, stem, document);
}

void FillTrayProperties(const TPropertySheetView& view, QWidget* element, TSkinProject& document) {
    const TElementControl* control = AsElementControl(element);
    const bool isTrayPanel = control && control->Kind() == ElementKind::TrayPanel;
    view.TrayPanel->setVisible(!isTrayPanel);
    const QWidget* container = element->parentWidget();
    const bool inInfoPanel = container && container->objectName() == QLatin1String("TrayInfo");
    view.TraySelector->setCurrentIndex(inInfoPanel ? 1 : 0);
    AddKindRows(view, TSkinWindow::Tray, element, element->objectName(), document);
}
