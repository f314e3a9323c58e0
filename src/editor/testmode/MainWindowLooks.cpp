#include "editor/testmode/MainWindowLooks.h"

#include "controls/PlainPanel.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PreviewTrees.h"
#include "editor/testmode/MaskLooks.h"
#include "editor/testmode/PlaylistDock.h"
#include "editor/testmode/PlaylistLooks.h"

TMainWindowLooks::TMainWindowLooks() = default;
TMainWindowLooks::~TMainWindowLooks() = default;

void TMainWindowLooks::TakeMask(const TPreviewTrees& trees) {
    FCheckerboard = MaskCheckerboard(trees);
}

void TMainWindowLooks::Show(const TPreviewTrees& trees, const TTestPage& main) {
    if (main.Document && main.Bitmap) {
        if (TPlainPanel* dock = trees.PlaylistMan())
            FDock = std::make_unique<TPlaylistDock>(dock, main);
        TVESKSEPanel* tabs = trees.TabCtrl();
        if (tabs && !tabs->isHidden() && tabs->height() > 0)
            tabs->SetImgBackGround(DrawSampleTabs(tabs->ImgBackGround(), *main.Document, *main.Bitmap));
    }
    if (!FCheckerboard.isNull() && trees.MainCtrl())
        FOverlay = new TMaskOverlay(FCheckerboard, trees.MainCtrl());
}

void TMainWindowLooks::Hide() {
    delete FOverlay.data();
    FCheckerboard = QImage();
    FDock.reset();
}
