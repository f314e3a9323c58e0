#include "editor/edits/PageEdit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "compiler/EditorSaveTarget.h"
#include "editor/PaintBox.h"
#include "editor/QX_SE.h"
#include "editor/Swatches.h"

namespace {

std::array<QFrame*, 4> MenuSwatches(const TQXForm& form) {
    return {form.Panel14, form.Panel15, form.Panel16, form.Panel19};
}

} // namespace

TPageState PageState(const TQXForm& form) {
    TPageState state;
    const auto swatches = MenuSwatches(form);
    for (size_t i = 0; i < swatches.size(); ++i)
        state.MenuColors[i] = SwatchColor(swatches[i]);
    state.MenuFont = SampleFont(form.Panel17);
    state.Icons = form.Image1->pixmap().toImage();
    state.Author = form.Edit3->text();
    state.SkinName = form.Edit2->text();
    state.Description = form.Memo1->toPlainText();
    return state;
}

void RestorePage(TQXForm& form, const TPageState& state) {
    const auto swatches = MenuSwatches(form);
    for (size_t i = 0; i < swatches.size(); ++i)
        SetSwatchColor(swatches[i], state.MenuColors[i]);
    SetSampleFont(form.Panel17, state.MenuFont, SwatchColor(form.Panel15));
    if (form.Image1->pixmap().toImage() != state.Icons)
        form.Image1->setPixmap(state.Icons.isNull() ? QPixmap() : QPixmap::fromImage(state.Icons));
    // Only what differs is set, so the cursor of a field being typed in
    // stays where it is.
    if (form.Edit3->text() != state.Author)
        form.Edit3->setText(state.Author);
    if (form.Edit2->text() != state.SkinName)
        form.Edit2->setText(state.SkinName);
    if (form.Memo1->toPlainText() != state.Description)
        form.Memo1->setPlainText(state.Description);
    form.Painter->update();
}
