#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTreeWidgetItem>
#include <QWidget>

class QComboBox;
class QSpinBox;
class QTreeWidget;
class TSkinProject;

// What one row of the property sheet edits: the element it belongs to, the
// INI value behind it and how the editors treat it. The editors read it from
// the double-clicked row; it lives and dies with its row.
struct TVKProperty {
    QPointer<QWidget> Element;
    QString Section;
    QString Key;
    // The text of the value column when the row was made.
    QString Value;
    // "TRECT", "TINT", "TCOLOR", "TFONT", "TFONTCOLOR", "BOOL" or "TGSTYLE".
    QString TypeName;
    // A state texture whose size follows its master row.
    bool IsDependent = false;
    // A master row's dependent state keys, which take its size when it
    // changes.
    QStringList DependentKeys;
};

// A row of the property list together with its record.
class TPropertyItem : public QTreeWidgetItem {
public:
    explicit TPropertyItem(TVKProperty property) : FProperty(std::move(property)) {}
    const TVKProperty& Property() const { return FProperty; }

private:
    TVKProperty FProperty;
};

// The record of a row, or nullptr for a row the sheet did not make.
const TVKProperty* PropertyOf(const QTreeWidgetItem* item);

// The controls the sheet shows, hides and sets besides its rows.
struct TPropertySheetView {
    QTreeWidget* List = nullptr;
    QWidget* MoveUpButton = nullptr;  // "Переместить вверх "
    QWidget* GeometryPanel = nullptr; // a label's left, top, width, height
    QSpinBox* GeometryLeft = nullptr;
    QSpinBox* GeometryTop = nullptr;
    QSpinBox* GeometryWidth = nullptr;
    QSpinBox* GeometryHeight = nullptr;
    QWidget* ParentPanel = nullptr; // the main window's area selector
    QComboBox* ParentSelector = nullptr;
    QWidget* TrayPanel = nullptr; // the tray window selector
    QComboBox* TraySelector = nullptr;
};

// Appends a row showing caption and value, carrying its record.
void AddPropertyRow(QTreeWidget* list, QWidget* element, const QString& caption,
                    const QString& section, const QString& key, const QString& value,
                    const QString& typeName, bool isDependent, const QStringList& dependentKeys);

// The rows of one element of the main window, equalizer or tray preview,
// with the values its document holds now. The fills only read the document.
void FillMainProperties(const TPropertySheetView& view, QWidget* element, TSkinProject& document);
void FillEqualizerProperties(const TPropertySheetView& view, QWidget* element,
                             TSkinProject& document);
void FillTrayProperties(const TPropertySheetView& view, QWidget* element, TSkinProject& document);

// The orientation text of a tray progress strip's mode; a mode the player
// does not know shows as its number.
QString TrayStripStyleText(int mode);
