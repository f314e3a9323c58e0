#pragma once

#include <memory>

#include <QImage>
#include <QPointer>

#include "editor/testmode/TestMode.h"

class TMaskOverlay;
class TPlaylistDock;
class TPreviewTrees;

// What the player's main window shows beyond its elements while testing:
// the dock's sample playlist and tabs, and the window cut by its mask.
class TMainWindowLooks {
public:
    TMainWindowLooks();
    ~TMainWindowLooks();
    // The mask comes from the preview at rest, as a save photographs it:
    // taken before any test looks change it.
    void TakeMask(const TPreviewTrees& trees);
    void Show(const TPreviewTrees& trees, const TTestPage& main);
    // The tab strip's texture is the rest looks' to give back.
    void Hide();

private:
    QImage FCheckerboard;
    QPointer<TMaskOverlay> FOverlay;
    std::unique_ptr<TPlaylistDock> FDock;
};
