#include "editor/testmode/TestAnimation.h"

#include <QEvent>
#include <QWidget>

#include <QFontMetrics>

#include "controls/VESKSELabel.h"
#include "controls/VESKSkinCtrls.h"
#include "graphics/SkinFontFace.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PreviewTrees.h"
#include "editor/SkinRenderer.h"
#include "editor/testmode/SamplePlayer.h"

TTestAnimation::TTestAnimation(const TPreviewTrees& trees, TTestPages pages, QWidget* window,
                               QObject* parent)
    : QObject(parent), FTrees(trees), FPages(std::move(pages)), FWindow(window) {
    FTimer.setInterval(kInterval);
    connect(&FTimer, &QTimer::timeout, this, &TTestAnimation::Tick);
    if (FWindow)
        FWindow->installEventFilter(this);
}

void TTestAnimation::SetRunning(bool running) {
    FRunning = running;
    if (running) {
        FClock.start();
        const TTestPage page = FPages(TSkinWindow::Main);
        FOptions = page.Document ? TSpectrumOptions::Read(*page.Document) : TSpectrumOptions();
        FSpectrum = TSpectrum();
    }
    FollowWindow();
}

void TTestAnimation::FollowWindow() {
    const bool shown = FWindow && FWindow->isVisible() && !FWindow->isMinimized();
    if (FRunning && shown) {
        if (!FTimer.isActive())
            FTimer.start();
    } else {
        FTimer.stop();
    }
}

bool TTestAnimation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FWindow && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                               event->type() == QEvent::WindowStateChange))
        FollowWindow();
    return false;
}

void TTestAnimation::Tick() {
    ShowFrame(FClock.elapsed());
}

void TTestAnimation::ShowFrame(qint64 ms) {
    for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray}) {
        const QWidget* root = FTrees.Root(window);
        if (!root || !root->isVisible())
            continue;
        for (QWidget* control : FTrees.Controls(window)) {
            if (auto* label = qobject_cast<TVESKSELabel*>(control)) {
                ShowLabel(label, ms);
            } else if (auto* digits = qobject_cast<TVESKNumLabel*>(control)) {
                if (!digits->isHidden())
                    digits->SetCaption(SamplePlayer::DisplayCaption(
                        digits->Name(), digits->ComponentCount(), digits->Default(), ms));
            } else if (auto* skin = qobject_cast<TVESKSESkin*>(control);
                       skin && skin->Kind() == ElementKind::Spectrum && !skin->isHidden()) {
                const TTestPage page = FPages(window);
                if (!page.Document || !page.Bitmap)
                    continue;
                std::vector<double> levels;
                SamplePlayer::SpectrumLevels(ms, FOptions.Bars, levels);
                FSpectrum.Step(levels);
                skin->SetImgBackGround(FSpectrum.Draw(
                    TSkinRenderer::Texture(*page.Document, *page.Bitmap,
                                           QStringLiteral("SKIN_RECTS"), skin->Name()),
                    FOptions));
            }
        }
    }
}

void TTestAnimation::ShowLabel(TVESKSELabel* label, qint64 ms) {
    const QString text = SamplePlayer::LabelText(label->Name());
    if (text.isEmpty() || label->isHidden())
        return;
    // The label keeps its bounds while its text runs; the rest looks give
    // back its auto-size.
    label->SetAutoSize(false);
    const QFontMetrics metrics(SkinFontFace(label->Font()).Font);
    label->SetCaption(metrics.horizontalAdvance(text) <= label->width()
                          ? text
                          : SamplePlayer::Scrolled(text, int(ms / kScrollStep)));
}
