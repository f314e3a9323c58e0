// The element list of the skins page and the controls that place the
// selected element: position, label geometry, containing area, the playlist
// panels' order, and the picture the shown preview is cut from.

#include <algorithm>
#include <climits>
#include <cstdint>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "controls/SelectedElement.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/ErrorBox.h"
#include "editor/PreviewTrees.h"
#include "editor/QX_SE.h"
#include "editor/edits/SkinEdit.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace {

const QString Objs = QStringLiteral("SKIN_OBJS");

bool IsListedElement(const QWidget* widget) {
    return qobject_cast<const TVESKSESkin*>(widget) ||
           qobject_cast<const TVESKSENumLabel*>(widget) ||
           qobject_cast<const TVESKSELabel*>(widget);
}

QWidget* EntryElement(const QListWidgetItem* item) {
    return item ? qobject_cast<QWidget*>(item->data(Qt::UserRole).value<QObject*>()) : nullptr;
}

// Appends the element controls under root, depth first: each panel is
// followed by its own elements. An element is part of the skin when it has
// bounds and the main project does not leave it out, whichever page shows it.
void AddElementEntries(QListWidget* list, const QWidget* root, TSkinProject* project) {
    for (QObject* object : root->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        // Plain panels and anything else that is no element are skipped
        // with all they hold.
        if (!child || !IsListedElement(child))
            continue;
        const QString name = child->objectName();
        auto* item = new QListWidgetItem(name, list);
        item->setData(Qt::UserRole, QVariant::fromValue<QObject*>(child));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const QRect b = child->geometry();
        const std::int64_t bounds =
            std::int64_t(b.x()) + b.y() + (std::int64_t(b.x()) + b.width()) + b.y() + b.height();
        const bool inSkin =
            bounds != 0 && (!project || project->ReadBool(QStringLiteral("PROJ_SKN"), name, true));
        item->setCheckState(inSkin ? Qt::Checked : Qt::Unchecked);
        AddElementEntries(list, child, project);
    }
}

// Typed numbers have no limits; sums of them must not overflow.
int SaturatedSum(int a, int b) {
    return int(std::clamp<std::int64_t>(std::int64_t(a) + b, INT_MIN, INT_MAX));
}

// The rectangle a placement writes: the numbers as typed, right and bottom
// saturating rather than wrapping.
TRect PlacedRect(int left, int top, int width, int height) {
    return {left, top, SaturatedSum(left, width), SaturatedSum(top, height)};
}

// Moves a control without handing Qt corners its own arithmetic overflows
// on; no preview is anywhere near those limits.
void PlaceControl(QWidget* control, int left, int top, int width, int height) {
    const auto clamp = [](int v) { return std::clamp(v, -TRect::kQRectLimit, TRect::kQRectLimit); };
    ::SetBounds(control, QRect(clamp(left), clamp(top), clamp(width), clamp(height)));
}

// Re-parenting hides a shown control; it stays as visible as it was.
void MoveUnder(QWidget* element, QWidget* panel) {
    if (!element || !panel || element == panel || element->isAncestorOf(panel))
        return;
    if (element->parentWidget() == panel)
        return;
    const bool hidden = element->isHidden();
    const QRect bounds = element->geometry();
    element->setParent(panel);
    ::SetBounds(element, bounds);
    element->setVisible(!hidden);
}

} // namespace

void TQXForm::ConnectElementPage() {
    // The check box of an entry changes only by the user while the list is
    // not being filled.
    connect(CheckListBox1, &QListWidget::itemChanged, this, &TQXForm::CheckListBox1ClickCheck);
    connect(CheckListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem*) { CheckListBox1Click(); });
    connect(CheckListBox1, &QListWidget::currentRowChanged, this, [this](int) {
        // Moving through the list with the keyboard selects as a click does.
        if (CheckListBox1->hasFocus())
            CheckListBox1Click();
    });
    for (QSpinBox* spin : {SpinEdit1, SpinEdit2})
        connect(spin, &QSpinBox::valueChanged, this, [this](int) { SpinEdit1Change(); });
    for (QSpinBox* spin : {SpinEdit3, SpinEdit4, SpinEdit5, SpinEdit6})
        connect(spin, &QSpinBox::valueChanged, this, [this](int) { LabelSize(); });
    // "activated": only the user's choice moves an element, not the sheet
    // showing where it lies.
    connect(ComboBox1, &QComboBox::activated, this, &TQXForm::ComboBox1Select);
    connect(ComboBox2, &QComboBox::activated, this, &TQXForm::ComboBox2Select);
    connect(Button9, &QPushButton::clicked, this, &TQXForm::Button9Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TQXForm::SpeedButton1Click);
}

TSkinProject* TQXForm::ShownDocument() const {
    return PageDocument(PageControl2->currentIndex());
}

// ------------------------------------------------------------ the list

void TQXForm::FillElementList(QWidget* root) {
    if (!root)
        return;
    // Filling sets check marks, which must not read as the user's.
    const QSignalBlocker blocker(CheckListBox1);
    CheckListBox1->setUpdatesEnabled(false);
    const auto resume = qScopeGuard([this] { CheckListBox1->setUpdatesEnabled(true); });
    AddElementEntries(CheckListBox1, root, SkinFile ? SkinFile->Project.get() : nullptr);
}

void TQXForm::CheckListBox1ClickCheck(QListWidgetItem* item) {
    Guarded(this, [this, item] {
        QWidget* element = EntryElement(item);
        if (!element)
            return;
        const bool checked = item->checkState() == Qt::Checked;
        const QString name = element->objectName();
        Edit((checked ? QStringLiteral("включение ") : QStringLiteral("отключение ")) + name,
             TEditKind::Other, name, 0, [&] {
                 if (checked) {
                     // An element the skin left out gets a size one can see
                     // and grab.
                     if (element->width() == 0 && element->height() == 0)
                         ::SetBounds(element, QRect(element->pos(), QSize(50, 50)));
                     element->show();
                 } else {
                     // The save writes an invisible element as "0,0,0,0".
                     element->hide();
                 }
             });
    });
}

void TQXForm::CheckListBox1Click() {
    Guarded(this, [this] {
        if (QWidget* element = EntryElement(CheckListBox1->currentItem()))
            LeftBarMouseUp(element, Qt::LeftButton, Qt::NoModifier, 0, 0);
    });
}

// ------------------------------------------------------------ placement

void TQXForm::SpinEdit1Change() {
    Guarded(this, [this] {
        QWidget* element = SelectedElement;
        const TElementControl* control = AsElementControl(element);
        if (!PlacementArmed || !control)
            return;
        switch (control->Kind()) {
        case ElementKind::PushButton:
        case ElementKind::ToggleButton:
        case ElementKind::TabBar:
        case ElementKind::NumericDisplay:
        case ElementKind::MultiDisplay:
        case ElementKind::Spectrum:
        case ElementKind::Slider:
        case ElementKind::EqSlider:
        case ElementKind::EqCurve:
            break;
        default:
            // Panels and bars are placed by the frame, labels by their own
            // geometry panel.
            return;
        }
        MoveElementTo(element, QPoint(SpinEdit1->value(), SpinEdit2->value()), true);
    });
}

void TQXForm::MoveElementTo(QWidget* element, QPoint topLeft, bool writeBounds) {
    if (!element)
        return;
    const QString name = element->objectName();
    Edit(QStringLiteral("перемещение ") + name, TEditKind::Move, name, 0, [&] {
        const int width = element->width();
        const int height = element->height();
        PlaceControl(element, topLeft.x(), topLeft.y(), width, height);
        TSkinProject* document = PageDocument(PreviewPageOf(element));
        if (!writeBounds || !document)
            return;
        QString key = name;
        if (key.endsWith(u'_'))
            key.chop(1);
        document->WriteRect(Objs, key, PlacedRect(topLeft.x(), topLeft.y(), width, height));
    });
}

void TQXForm::LabelSize() {
    Guarded(this, [this] {
        QWidget* element = SelectedElement;
        if (!PlacementArmed || !element)
            return;
        const int left = SpinEdit3->value();
        const int top = SpinEdit4->value();
        const int width = SpinEdit5->value();
        const int height = SpinEdit6->value();
        const QString name = element->objectName();
        Edit(QStringLiteral("размер ") + name, TEditKind::Size, name, 0, [&] {
            PlaceControl(element, left, top, width, height);
            if (TSkinProject* document = ShownDocument())
                document->WriteRect(Objs, name, PlacedRect(left, top, width, height));
        });
    });
}

void TQXForm::ComboBox1Select(int index) {
    Guarded(this, [this, index] {
        QWidget* panels[] = {Previews().Main(), Previews().TopPanel(), Previews().PlsCtrl(),
                             Previews().RightBar(), Previews().Leftbar()};
        if (index < 0 || index >= int(std::size(panels)))
            return;
        // Position and size stay as numbers, now within the new area; the
        // save writes the area back from the element's parent.
        QWidget* element = SelectedElement;
        const QString name = element ? element->objectName() : QString();
        Edit(QStringLiteral("перенос ") + name, TEditKind::Other, name, 0,
             [&] { MoveUnder(element, panels[index]); });
    });
}

void TQXForm::ComboBox2Select(int index) {
    Guarded(this, [this, index] {
        QWidget* element = SelectedElement;
        const QString name = element ? element->objectName() : QString();
        Edit(QStringLiteral("перенос ") + name, TEditKind::Other, name, 0, [&] {
            if (index == 0)
                MoveUnder(element, Previews().TrayCtrl());
            else if (index == 1)
                MoveUnder(element, Previews().TrayInfo());
        });
    });
}

void TQXForm::Button9Click() {
    Guarded(this, [this] {
        QWidget* element = SelectedElement;
        if (!qobject_cast<TVESKSEPanel*>(element))
            return;
        // Top-aligned panels stack by their tops, and the one just moved
        // wins a tie: top 0 puts it first.
        const QString name = element->objectName();
        Edit(QStringLiteral("перемещение вверх ") + name, TEditKind::Other, name, 0, [&] {
            ::SetBounds(element, QRect(element->x(), 0, element->width(), element->height()));
        });
    });
}
