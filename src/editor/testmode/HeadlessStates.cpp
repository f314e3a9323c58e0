#include "editor/testmode/HeadlessStates.h"

#include "controls/ElementControl.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PreviewTrees.h"
#include "editor/testmode/ButtonLooks.h"

namespace {

bool IsButton(QWidget* control) {
    const TElementControl* element = AsElementControl(control);
    return element && qobject_cast<TVESKSESkin*>(control) &&
           (element->Kind() == ElementKind::PushButton ||
            element->Kind() == ElementKind::ToggleButton);
}

TButtonState StateOf(TPreviewState state) {
    switch (state) {
    case TPreviewState::Hover:
        return TButtonState{true, false, false};
    case TPreviewState::Pressed:
        return TButtonState{true, true, false};
    case TPreviewState::Checked:
        return TButtonState{false, false, true};
    case TPreviewState::Rest:
        break;
    }
    return TButtonState{};
}

} // namespace

bool ParsePreviewState(const QString& word, TPreviewState& state) {
    static const struct {
        const char* Word;
        TPreviewState State;
    } kWords[] = {{"rest", TPreviewState::Rest},
                  {"hover", TPreviewState::Hover},
                  {"pressed", TPreviewState::Pressed},
                  {"checked", TPreviewState::Checked}};
    for (const auto& entry : kWords)
        if (word == QLatin1String(entry.Word)) {
            state = entry.State;
            return true;
        }
    return false;
}

bool ShowPreviewState(const TPreviewTrees& trees, TSkinWindow window, const TTestPage& page,
                      TPreviewState state, const QString& element) {
    QList<QWidget*> buttons;
    for (QWidget* control : trees.Controls(window))
        if (IsButton(control) && (element.isEmpty() || control->objectName() == element))
            buttons << control;
    if (!element.isEmpty() && buttons.isEmpty())
        return false;
    if (!page.Document || !page.Bitmap)
        return true;
    for (QWidget* button : buttons)
        static_cast<TVESKSESkin*>(button)->SetImgBackGround(
            ButtonStateTexture(window, button, StateOf(state), *page.Document, *page.Bitmap));
    return true;
}
