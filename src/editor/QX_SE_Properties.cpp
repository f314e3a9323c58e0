// The property sheet of the skins page, filled from the document of the
// preview the element belongs to.

#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

TPropertySheetView TQXForm::PropertySheetView() const {
    TPropertySheetView view;
    view.List = ListView1;
    view.MoveUpButton = Button9;
    view.GeometryPanel = Panel2;
    view.GeometryLeft = SpinEdit3;
    view.GeometryTop = SpinEdit4;
    view.GeometryWidth = SpinEdit5;
    view.GeometryHeight = SpinEdit6;
    view.ParentPanel = Panel10;
    view.ParentSelector = ComboBox1;
    view.TrayPanel = Panel3;
    view.TraySelector = ComboBox2;
    return view;
}

void TQXForm::FillMainProperties(QWidget* element) {
    if (element && SkinFile && SkinFile->Project)
        ::FillMainProperties(PropertySheetView(), element, *SkinFile->Project);
}

void TQXForm::FillEqualizerProperties(QWidget* element) {
    if (element && EqDocument)
        ::FillEqualizerProperties(PropertySheetView(), element, *EqDocument);
}

void TQXForm::FillTrayProperties(QWidget* element) {
    if (element && TrayDocument)
        ::FillTrayProperties(PropertySheetView(), element, *TrayDocument);
}
