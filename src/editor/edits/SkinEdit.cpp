#include "editor/edits/SkinEdit.h"

TSkinEdit::TSkinEdit(TRestore restore, const QString& text, TEditKind kind, const QString& element,
                     TSkinSnapshot before, TSkinSnapshot after)
    : FRestore(std::move(restore)), FKind(kind), FElement(element), FBefore(std::move(before)),
      FAfter(std::move(after)) {
    setText(text);
}

void TSkinEdit::undo() {
    FRestore(FBefore, FAfter);
    FDone = false;
}

void TSkinEdit::redo() {
    // The stack redoes what it is handed; the change was made already.
    if (FDone)
        return;
    FRestore(FAfter, FBefore);
    FDone = true;
}

int TSkinEdit::id() const {
    return FKind == TEditKind::Other ? -1 : int(FKind);
}

bool TSkinEdit::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const TSkinEdit*>(other);
    if (!next || next->FKind != FKind || next->FElement != FElement ||
        next->FBefore.Aspects != FBefore.Aspects)
        return false;
    FAfter = next->FAfter;
    // A drag that ends where it began leaves nothing to undo.
    setObsolete(ChangesNothing());
    return true;
}
