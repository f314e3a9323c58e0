#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "editor/testmode/SpectrumLooks.h"
#include "editor/testmode/TestMode.h"

class TPreviewTrees;
class TVESKSELabel;

// The sample track playing in the test mode: the numeric displays count,
// the spectrum analyser moves, text labels show the track and scroll a
// title too long for them. One timer for all three previews; it runs
// only while the test mode is on and the window shows, and a tick redraws
// only the previews that can be seen.
class TTestAnimation : public QObject {
    Q_OBJECT

public:
    static constexpr int kInterval = 50;    // ms, the player's display rate
    static constexpr int kScrollStep = 200; // ms a long title takes per character

    TTestAnimation(const TPreviewTrees& trees, TTestPages pages, QWidget* window,
                   QObject* parent = nullptr);

    void SetRunning(bool running);
    bool IsTicking() const { return FTimer.isActive(); }
    // Draws the moment ms after the track started.
    void ShowFrame(qint64 ms);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Tick();
    void FollowWindow();
    void ShowLabel(TVESKSELabel* label, qint64 ms);

    const TPreviewTrees& FTrees;
    TTestPages FPages;
    QWidget* FWindow;
    bool FRunning = false;
    QTimer FTimer;
    QElapsedTimer FClock;
    TSpectrum FSpectrum;
    TSpectrumOptions FOptions;
};
