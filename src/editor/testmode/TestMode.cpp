#include "editor/testmode/TestMode.h"

#include <QMouseEvent>
#include <QWidget>

#include "controls/ElementControl.h"
#include "controls/SelectedElement.h"
#include "controls/VESKSELabel.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PreviewTrees.h"
#include "editor/testmode/EqCurveLooks.h"
#include "editor/testmode/MainWindowLooks.h"
#include "editor/testmode/SchemeLooks.h"
#include "editor/testmode/SliderLooks.h"
#include "editor/SkinRenderer.h"
#include "graphics/VESKColor.h"
#include "text/SkinProject.h"
#include "editor/testmode/TestAnimation.h"

namespace {

constexpr TSkinWindow kWindows[] = {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray};

ElementKind KindOf(const QWidget* control) {
    const TElementControl* element = AsElementControl(const_cast<QWidget*>(control));
    return element ? element->Kind() : ElementKind::AreaPanel;
}

bool IsButton(const QWidget* control) {
    const ElementKind kind = KindOf(control);
    return qobject_cast<const TVESKSESkin*>(control) &&
           (kind == ElementKind::PushButton || kind == ElementKind::ToggleButton);
}

bool IsSlider(const QWidget* control) {
    const ElementKind kind = KindOf(control);
    return qobject_cast<const TVESKSESkin*>(control) &&
           (kind == ElementKind::Slider || kind == ElementKind::EqSlider);
}

} // namespace

TTestMode::TTestMode(const TPreviewTrees& trees, TTestPages pages, QWidget* window,
                     QObject* parent)
    : QObject(parent), FTrees(trees), FSource(std::move(pages)),
      FPages([this](TSkinWindow window) { return Page(window); }),
      FScheme(std::make_unique<TTestScheme>()), FMainLooks(std::make_unique<TMainWindowLooks>()),
      FAnimation(new TTestAnimation(trees, FPages, window, this)) {}

// Made and destroyed with the window, whose previews may be gone already:
// nothing is given back then.
TTestMode::~TTestMode() = default;

QList<QWidget*> TTestMode::AllControls() const {
    QList<QWidget*> all;
    for (TSkinWindow window : kWindows)
        all += FTrees.Controls(window);
    return all;
}

TTestPage TTestMode::Page(TSkinWindow window) const {
    return FScheme->Page(window, FSource(window));
}

bool TTestMode::WindowOf(const QWidget* control, TSkinWindow& window) const {
    for (TSkinWindow candidate : kWindows)
        if (FTrees.Holds(candidate, control)) {
            window = candidate;
            return true;
        }
    return false;
}

void TTestMode::SetOn(bool on) {
    if (on == FOn)
        return;
    FOn = on;
    const QList<QWidget*> controls = AllControls();
    if (on) {
        FRest.Take(controls);
        // The player shows no selection frame; the selection comes back
        // when testing ends.
        QWidget* selected = SelectedElement;
        FSelection = std::make_unique<TSelectionSetAside>();
        if (selected)
            selected->update();
        FMainLooks->TakeMask(FTrees);
        FScheme->Begin(FSchemeShift, FSource);
        ApplySchemeTo(controls, FScheme->Shift());
        for (QWidget* control : controls) {
            if (auto* label = qobject_cast<TVESKSELabel*>(control))
                label->SetShowsBounds(false);
            FTracking.insert(control, control->hasMouseTracking());
            control->setMouseTracking(true);
            control->installEventFilter(this);
        }
        // After the controls: the dock's own filter comes first, and it is
        // taken down before them (last in, first out).
        FMainLooks->Show(FTrees, FPages(TSkinWindow::Main));
        FAnimation->SetRunning(true);
        ShowEqCurve();
        return;
    }
    FAnimation->SetRunning(false);
    FMainLooks->Hide();
    for (QWidget* control : controls) {
        control->removeEventFilter(this);
        control->setMouseTracking(FTracking.value(control));
    }
    FTracking.clear();
    FButtons.clear();
    FSliders.clear();
    FPressed = nullptr;
    FRest.Restore();
    FScheme->End();
    FSelection.reset();
}

int TTestMode::SliderValue(QWidget* slider) const {
    return FSliders.value(slider, kSliderMiddle);
}

void TTestMode::SetSliderValue(QWidget* slider, int value) {
    if (!FOn || !IsSlider(slider))
        return;
    FSliders.insert(slider, value);
    ShowSlider(slider);
    if (KindOf(slider) == ElementKind::EqSlider)
        ShowEqCurve();
    emit SliderMoved(slider, value);
}

void TTestMode::ShowButton(QWidget* button) {
    TSkinWindow window;
    if (!WindowOf(button, window))
        return;
    const TTestPage page = FPages(window);
    if (!page.Document || !page.Bitmap)
        return;
    static_cast<TVESKSESkin*>(button)->SetImgBackGround(
        ButtonStateTexture(window, button, FButtons.value(button), *page.Document, *page.Bitmap));
}

void TTestMode::ShowSlider(QWidget* slider) {
    TSkinWindow window;
    if (!WindowOf(slider, window))
        return;
    const TTestPage page = FPages(window);
    if (!page.Document || !page.Bitmap)
        return;
    static_cast<TVESKSESkin*>(slider)->SetImgBackGround(
        SliderTexture(slider, SliderValue(slider), *page.Document, *page.Bitmap));
}

bool TTestMode::Horizontal(QWidget* slider) const {
    TSkinWindow window;
    if (!WindowOf(slider, window))
        return true;
    const TTestPage page = FPages(window);
    return !page.Document ||
           SliderShape(KindOf(slider), slider->objectName(), *page.Document).Horizontal;
}

void TTestMode::Hover(QWidget* control, bool hover) {
    if (!IsButton(control) || (FPressed && FPressed != control))
        return;
    TButtonState& state = FButtons[control];
    if (state.Hover == hover)
        return;
    state.Hover = hover;
    ShowButton(control);
}

void TTestMode::PointerMoved(QWidget* control, QPoint at) {
    if (FPressed && FPressed == control) {
        if (IsSlider(control))
            SetSliderValue(control, SliderValueAt(at, control->size(), Horizontal(control)));
        else
            Hover(control, control->rect().contains(at));
        return;
    }
    if (!FPressed)
        Hover(control, control->rect().contains(at));
}

void TTestMode::Pressed(QWidget* control, QPoint at) {
    FPressed = control;
    if (IsButton(control)) {
        TButtonState& state = FButtons[control];
        state.Pressed = true;
        state.Hover = true;
        ShowButton(control);
    } else if (IsSlider(control)) {
        PointerMoved(control, at);
    }
}

void TTestMode::Released(QWidget* control, QPoint at) {
    if (FPressed != control)
        return;
    FPressed = nullptr;
    if (!IsButton(control))
        return;
    TButtonState& state = FButtons[control];
    const bool inside = control->rect().contains(at);
    // A two-state button changes only when the press ends on it, as any
    // button does.
    if (inside && KindOf(control) == ElementKind::ToggleButton)
        state.Checked = !state.Checked;
    state.Pressed = false;
    state.Hover = inside;
    ShowButton(control);
}

bool TTestMode::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!FOn || !control)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        Hover(control, true);
        return false;
    case QEvent::Leave:
        Hover(control, false);
        return false;
    case QEvent::MouseMove:
        PointerMoved(control, static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            Pressed(control, mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            Released(control, mouse->position().toPoint());
        return true;
    }
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

void TTestMode::ShowEqCurve() {
    auto* curve = qobject_cast<TVESKSESkin*>(FTrees.Find(QStringLiteral("EQVIS")));
    const TTestPage page = FPages(TSkinWindow::Equalizer);
    if (!curve || !page.Document || !page.Bitmap)
        return;
    std::vector<int> values;
    for (int band = 1; band <= 18; ++band)
        if (QWidget* slider = FTrees.Find(QStringLiteral("VESKSlider%1").arg(band)))
            values.push_back(SliderValue(slider));
    const QString fonts = QStringLiteral("SKIN_FONTS");
    QColor line(Qt::white), point(Qt::white);
    try {
        line = ColorToQColor(page.Document->ReadInteger(fonts, QStringLiteral("EQVISL"), 0xFFFFFF));
        point = ColorToQColor(page.Document->ReadInteger(fonts, QStringLiteral("EQVISE"), 0xFFFFFF));
    } catch (const std::exception&) {
        // A malformed colour draws white rather than stop the test mode.
    }
    curve->SetImgBackGround(DrawEqCurve(TSkinRenderer::Texture(*page.Document, *page.Bitmap,
                                                               QStringLiteral("SKIN_RECTS"),
                                                               QStringLiteral("EQVIS")),
                                        values, line, point));
}
