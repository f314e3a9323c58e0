#pragma once

#include <functional>
#include <memory>

#include <QHash>
#include <QObject>
#include <QPointer>

#include "editor/testmode/ButtonLooks.h"
#include "editor/testmode/RestLooks.h"

class TMainWindowLooks;
class TTestScheme;

class QImage;
class QWidget;
class TPreviewTrees;
class TSelectionSetAside;
class TTestAnimation;
class TSkinProject;

// The document and bitmap a preview is drawn from.
struct TTestPage {
    TSkinProject* Document = nullptr;
    const QImage* Bitmap = nullptr;
};
using TTestPages = std::function<TTestPage(TSkinWindow)>;

// The test mode: the previews answer the pointer as the player's windows
// do, so every state texture of the skin can be seen. Buttons light up and
// go down, two-state buttons toggle, slider thumbs follow the pointer. It
// only changes what the preview controls show; no document is written, and
// turning it off gives every control back the looks it had.
class TTestMode : public QObject {
    Q_OBJECT

public:
    // The animation runs while window shows.
    TTestMode(const TPreviewTrees& trees, TTestPages pages, QWidget* window,
              QObject* parent = nullptr);
    ~TTestMode() override;

    bool IsOn() const { return FOn; }
    void SetOn(bool on);

    // The colour scheme's hue shift the previews show from the next time
    // testing starts; 0 for the skin's own colours.
    void SetScheme(int shift) { FSchemeShift = shift; }

    // Where a slider stands, from 0 to kSliderRange; the middle until moved.
    int SliderValue(QWidget* slider) const;
    void SetSliderValue(QWidget* slider, int value);
    TButtonState ButtonState(QWidget* button) const { return FButtons.value(button); }
    TTestAnimation* Animation() const { return FAnimation; }

signals:
    // A slider moved (the equalizer's curve follows its bands).
    void SliderMoved(QWidget* slider, int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> AllControls() const;
    bool WindowOf(const QWidget* control, TSkinWindow& window) const;
    TTestPage Page(TSkinWindow window) const;
    void ShowButton(QWidget* button);
    void ShowSlider(QWidget* slider);
    void ShowEqCurve();
    bool Horizontal(QWidget* slider) const;
    void PointerMoved(QWidget* control, QPoint at);
    void Pressed(QWidget* control, QPoint at);
    void Released(QWidget* control, QPoint at);
    void Hover(QWidget* control, bool hover);

    const TPreviewTrees& FTrees;
    TTestPages FSource;
    TTestPages FPages; // the source's, in the scheme
    bool FOn = false;
    int FSchemeShift = 0;
    TRestLooks FRest;
    std::unique_ptr<TTestScheme> FScheme;
    std::unique_ptr<TMainWindowLooks> FMainLooks;
    std::unique_ptr<TSelectionSetAside> FSelection;
    QHash<QWidget*, TButtonState> FButtons;
    QHash<QWidget*, int> FSliders;
    QHash<QWidget*, bool> FTracking;
    QPointer<QWidget> FPressed;
    TTestAnimation* FAnimation = nullptr; // a child
};
