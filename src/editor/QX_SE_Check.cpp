// The skin checker in the window: the findings dock, the check command,
// the check after a save, and the way from a finding to its element.

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QListWidget>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTreeWidget>

#include "check/CheckedSkin.h"
#include "compiler/MaskCheck.h"
#include "compiler/PendingSave.h"
#include "controls/SelectedElement.h"
#include "editor/ErrorBox.h"
#include "editor/PreviewTrees.h"
#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "editor/SkinCheckDock.h"

namespace {

TSkinCheckOptions EditorCheckOptions() {
    TSkinCheckOptions options;
    // What the editor can draw with now: the system's faces and those it
    // registered, the open package's fonts among them.
    const QStringList families = QFontDatabase::families();
    options.FaceInstalled = [families](const QString& face) {
        return families.contains(face, Qt::CaseInsensitive);
    };
    options.PreviewRules = CheckMainMask;
    return options;
}

void SelectRow(QTreeWidget* list, const TFinding& finding) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        const TVKProperty* row = PropertyOf(item);
        if (row && WideSameText(row->Section, finding.Section) &&
            WideSameText(row->Key, finding.Key)) {
            list->setCurrentItem(item);
            list->scrollToItem(item);
            return;
        }
    }
}

void SelectEntry(QListWidget* list, const QWidget* element) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(Qt::UserRole).value<QObject*>() == element) {
            list->setCurrentRow(row);
            return;
        }
}

} // namespace

void TQXForm::BuildCheckDock() {
    CheckDock = new TSkinCheckDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, CheckDock);
    CheckDock->hide();
    connect(CheckDock, &TSkinCheckDock::FindingActivated, this, &TQXForm::ShowFinding);
}

void TQXForm::CheckSkinClick() {
    Guarded(this, [this] {
        LeaveTestMode();
        // What is checked is what a save would write, and a save photographs
        // the main window without the selection frame.
        const TSelectionSetAside noFrame;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto cursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        const TFindings findings = CheckSkinBytes(PendingSaveBytes(*this), EditorCheckOptions());
        CheckDock->ShowFindings(findings, QStringLiteral("Обложка"));
        CheckDock->show();
        CheckDock->raise();
    });
}

void TQXForm::CheckSavedSkin(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const TFindings findings = CheckSkinBytes(file.readAll(), EditorCheckOptions());
    // A clean save says nothing, but a list already open shows it is clean.
    if (CountFindings(findings, TSeverity::Error) == 0 && CheckDock->isHidden())
        return;
    CheckDock->ShowFindings(findings, QStringLiteral("Сохранено в %1").arg(fileName));
    CheckDock->show();
}

void TQXForm::ShowFinding(const TFinding& finding) {
    Guarded(this, [this, &finding] {
        LeaveTestMode();
        QWidget* element = finding.Element.isEmpty() ? nullptr : Previews().Find(finding.Element);
        if (!element)
            return;
        PageControl1->setCurrentIndex(0);
        PageControl2->setCurrentIndex(PreviewPageOf(element));
        const QPointer<QWidget> previous = SelectedElement;
        SelectedElement = element;
        if (previous)
            previous->update();
        SelectElementAsClick(element);
        SelectEntry(CheckListBox1, element);
        SelectRow(ListView1, finding);
    });
}
