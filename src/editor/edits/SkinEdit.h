#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QString>
#include <QUndoCommand>

#include "editor/edits/BitmapEdit.h"
#include "editor/edits/DocumentEdit.h"
#include "editor/edits/PageEdit.h"
#include "editor/edits/PlacementEdit.h"
#include "storage/VESKCustomFile.h"

// The parts of the skin a change may touch; a change records only those it
// names. Documents and placement are cheap and always recorded.
namespace EditAspect {
enum : unsigned {
    Bitmaps = 1,
    Members = 2,
    Pages = 4,
};
} // namespace EditAspect

// Kinds of change that come in runs: consecutive changes of one kind to one
// element are one step of the history, so a drag or a run of spin steps or
// keystrokes is undone at once.
enum class TEditKind : int {
    // Never joins another step.
    Other = 0,
    Move,
    Size,
    Author,
    SkinName,
    Description,
};

// The skin's state as far as one change touches it. The documents are the
// main document, the parent document, the equalizer's and the tray's; the
// bitmaps those of the main window, the equalizer and the tray.
struct TSkinSnapshot {
    static constexpr int DocumentCount = 4;
    static constexpr int BitmapCount = 3;
    unsigned Aspects = 0;
    std::array<std::optional<TDocumentState>, DocumentCount> Documents;
    TPlacementState Placement;
    std::array<TBitmapState, BitmapCount> Bitmaps;
    std::optional<TVESKCustomFile::TMemberState> Members;
    std::optional<TPageState> Page;
    friend bool operator==(const TSkinSnapshot&, const TSkinSnapshot&) = default;
};

// One step of the history: the state before and after a change. The change
// itself has already been made when the step is recorded; undo and redo
// hand the window the state to put back, with the state it replaces so the
// window renders only what differs.
class TSkinEdit : public QUndoCommand {
public:
    using TRestore =
        std::function<void(const TSkinSnapshot& target, const TSkinSnapshot& replaced)>;

    TSkinEdit(TRestore restore, const QString& text, TEditKind kind, const QString& element,
              TSkinSnapshot before, TSkinSnapshot after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    bool ChangesNothing() const { return FBefore == FAfter; }
    const TSkinSnapshot& Before() const { return FBefore; }
    const TSkinSnapshot& After() const { return FAfter; }

private:
    TRestore FRestore;
    TEditKind FKind;
    QString FElement;
    TSkinSnapshot FBefore;
    TSkinSnapshot FAfter;
    bool FDone = true;
};
