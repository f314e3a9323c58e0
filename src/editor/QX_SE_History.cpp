// The history of changes: every change to the skin is recorded as the state
// it replaced and the state it made, undone and redone from the menu
// "Правка", and the window knows whether the skin differs from what was
// opened or last saved.

#include <map>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QUndoStack>

#include "controls/SelectedElement.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/PreviewTrees.h"
#include "editor/QX_SE.h"
#include "editor/edits/SkinEdit.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace {

const QString kUndo = QStringLiteral("Отменить");
const QString kRedo = QStringLiteral("Повторить");

enum TDocumentSlot { MainDocument, ParentDocument, EqualizerDocument, TrayDocumentSlot };

// The element list's check marks follow the elements shown again or
// hidden again; the others stay as the user left them.
void MarkShownElements(QListWidget* list, const TPlacementState& target,
                       const TPlacementState& replaced) {
    std::map<const QWidget*, bool> was;
    for (const TPlacement& placement : replaced)
        was[placement.Element] = placement.Hidden;
    std::map<const QWidget*, bool> hidden;
    for (const TPlacement& placement : target) {
        const auto before = was.find(placement.Element);
        if (before != was.end() && before->second != placement.Hidden)
            hidden[placement.Element] = placement.Hidden;
    }
    const QSignalBlocker blocker(list);
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const auto* element = qobject_cast<QWidget*>(item->data(Qt::UserRole).value<QObject*>());
        const auto changed = hidden.find(element);
        if (element && changed != hidden.end())
            item->setCheckState(changed->second ? Qt::Unchecked : Qt::Checked);
    }
}

} // namespace

void TQXForm::BuildHistory() {
    History = new QUndoStack(this);
    History->setObjectName(QStringLiteral("History"));
    // A step keeps the state it replaced, a replaced sheet's pixels or the
    // package's data area included; a long session must not hold them all.
    History->setUndoLimit(MaxHistorySteps);
    UndoItem = new QAction(kUndo, this);
    UndoItem->setObjectName(QStringLiteral("UndoItem"));
    UndoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoItem = new QAction(kRedo, this);
    RedoItem->setObjectName(QStringLiteral("RedoItem"));
    RedoItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(UndoItem, &QAction::triggered, this,
            [this] { Guarded(this, [this] { History->undo(); }); });
    connect(RedoItem, &QAction::triggered, this,
            [this] { Guarded(this, [this] { History->redo(); }); });
    connect(History, &QUndoStack::indexChanged, this, [this] { ShowHistoryCaptions(); });
    connect(History, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    ShowHistoryCaptions();
}

void TQXForm::ConnectDescriptionPage() {
    // The fields are read by the save; what was typed is recorded as it is
    // typed, a run of keystrokes in one field as one step.
    const auto typed = [this](const QString& text, TEditKind kind) {
        Guarded(this, [&] { Edit(text, kind, QString(), EditAspect::Pages, [] {}); });
    };
    connect(Edit3, &QLineEdit::textEdited, this,
            [typed] { typed(QStringLiteral("изменение автора"), TEditKind::Author); });
    connect(Edit2, &QLineEdit::textEdited, this,
            [typed] { typed(QStringLiteral("изменение названия"), TEditKind::SkinName); });
    connect(Memo1, &QPlainTextEdit::textChanged, this,
            [typed] { typed(QStringLiteral("изменение описания"), TEditKind::Description); });
}

void TQXForm::ShowHistoryCaptions() {
    const auto caption = [](const QString& verb, const QString& change) {
        return change.isEmpty() ? verb : verb + QStringLiteral(": ") + change;
    };
    UndoItem->setText(caption(kUndo, History->canUndo() ? History->undoText() : QString()));
    UndoItem->setEnabled(History->canUndo());
    RedoItem->setText(caption(kRedo, History->canRedo() ? History->redoText() : QString()));
    RedoItem->setEnabled(History->canRedo());
}

void TQXForm::ResetHistory() {
    History->clear();
    History->setClean();
    setWindowModified(false);
    FPageValues = std::make_unique<TPageState>(PageState(*this));
}

void TQXForm::Edit(const QString& text, TEditKind kind, const QString& element, unsigned aspects,
                   const std::function<void()>& change) {
    if (FEditDepth > 0 || FRestoring || !History) {
        change();
        return;
    }
    ++FEditDepth;
    TSkinSnapshot before = CaptureSkin(aspects, true);
    // A change that fails halfway is recorded as far as it got, so undo
    // still takes it back.
    const auto record = [&] {
        --FEditDepth;
        auto edit = std::make_unique<TSkinEdit>(
            [this](const TSkinSnapshot& target, const TSkinSnapshot& replaced) {
                RestoreSkin(target, replaced);
            },
            text, kind, element, std::move(before), CaptureSkin(aspects, false));
        if (edit->ChangesNothing())
            return;
        if (edit->After().Page)
            FPageValues = std::make_unique<TPageState>(*edit->After().Page);
        History->push(edit.release());
    };
    try {
        change();
    } catch (...) {
        record();
        throw;
    }
    record();
}

TSkinSnapshot TQXForm::CaptureSkin(unsigned aspects, bool before) const {
    TSkinSnapshot snapshot;
    snapshot.Aspects = aspects;
    const TSkinProject* documents[] = {SkinFile ? SkinFile->Project.get() : nullptr,
                                       SkinFile ? SkinFile->ParentIni.get() : nullptr,
                                       EqDocument.get(), TrayDocument.get()};
    for (int i = 0; i < TSkinSnapshot::DocumentCount; ++i)
        if (documents[i])
            snapshot.Documents[i] = DocumentState(*documents[i]);
    snapshot.Placement = PlacementState({MainCtrl, EQUA, TrayControlMain});
    if (aspects & EditAspect::Bitmaps) {
        static const std::unique_ptr<QImage> none;
        snapshot.Bitmaps = {BitmapState(SkinFile ? SkinFile->MainBmp : none), BitmapState(EqBitmap),
                            BitmapState(TrayBitmap)};
    }
    if ((aspects & EditAspect::Members) && SkinFile)
        snapshot.Members = SkinFile->MemberState();
    if (aspects & EditAspect::Pages)
        snapshot.Page = before && FPageValues ? *FPageValues : PageState(*this);
    return snapshot;
}

void TQXForm::RestoreSkin(const TSkinSnapshot& target, const TSkinSnapshot& replaced) {
    FRestoring = true;
    const auto done = qScopeGuard([this] { FRestoring = false; });
    TSkinProject* documents[] = {SkinFile ? SkinFile->Project.get() : nullptr,
                                 SkinFile ? SkinFile->ParentIni.get() : nullptr, EqDocument.get(),
                                 TrayDocument.get()};
    for (int i = 0; i < TSkinSnapshot::DocumentCount; ++i)
        if (documents[i] && target.Documents[i] && target.Documents[i] != replaced.Documents[i])
            RestoreDocument(*documents[i], *target.Documents[i]);
    if (target.Aspects & EditAspect::Bitmaps) {
        std::unique_ptr<QImage> unused;
        std::unique_ptr<QImage>* bitmaps[] = {SkinFile ? &SkinFile->MainBmp : &unused, &EqBitmap,
                                              &TrayBitmap};
        for (int i = 0; i < TSkinSnapshot::BitmapCount; ++i)
            if (!(target.Bitmaps[i] == replaced.Bitmaps[i]))
                RestoreBitmap(*bitmaps[i], target.Bitmaps[i]);
    }
    if (SkinFile && target.Members && !(*target.Members == *replaced.Members))
        SkinFile->RestoreMembers(*target.Members);
    if (target.Page) {
        RestorePage(*this, *target.Page);
        FPageValues = std::make_unique<TPageState>(*target.Page);
    }
    RenderRestored(target, replaced);
}

// Renders what depends on the parts put back, as the change itself did,
// then puts every control back where it was: rendering places elements from
// the documents, while a drag moves only the control.
void TQXForm::RenderRestored(const TSkinSnapshot& target, const TSkinSnapshot& replaced) {
    const auto differs = [&](int document, int bitmap) {
        return target.Documents[document] != replaced.Documents[document] ||
               !(target.Bitmaps[bitmap] == replaced.Bitmaps[bitmap]);
    };
    if (differs(MainDocument, 0) || differs(ParentDocument, 0)) {
        RenderPreview(TSkinWindow::Main);
        FillPlaylistTab();
        TSkinProject& document = *SkinFile->Project;
        CheckBox1->setChecked(document.ReadBool(QStringLiteral("SKIN_WIDTHS"),
                                                QStringLiteral("HidePLSScroll"), true));
        if (target.Documents[MainDocument] && replaced.Documents[MainDocument] &&
            TDocumentState::SectionDiffers(*target.Documents[MainDocument],
                                           *replaced.Documents[MainDocument],
                                           QStringLiteral("SKIN_THEMES")))
            RefreshSchemeList();
    }
    if (differs(EqualizerDocument, 1))
        RenderPreview(TSkinWindow::Equalizer);
    if (differs(TrayDocumentSlot, 2))
        RenderPreview(TSkinWindow::Tray);
    if (target.Members && !(*target.Members == *replaced.Members))
        RefreshFontList();
    RestorePlacement(target.Placement);

    MarkShownElements(CheckListBox1, target.Placement, replaced.Placement);
    // The sheet and the spin edits read the restored values.
    if (SelectedElement)
        SelectElementAsClick(SelectedElement);
}

// ---------------------------------------------------------- unsaved work

bool TQXForm::MayDropChanges() {
    if (!History || History->isClean())
        return true;
    switch (Dialogs().AskSaveChanges(this)) {
    case TSaveChanges::Discard:
        return true;
    case TSaveChanges::Cancel:
        return false;
    case TSaveChanges::Save:
        break;
    }
    SpeedButton2Click();
    // A save that failed or was cancelled leaves the changes unsaved.
    return History->isClean();
}

void TQXForm::closeEvent(QCloseEvent* event) {
    // Whatever goes wrong while asking keeps the window and the skin.
    bool drop = false;
    Guarded(this, [&] { drop = MayDropChanges(); });
    if (drop)
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}
