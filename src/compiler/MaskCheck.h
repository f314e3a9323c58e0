#pragma once

#include "check/CheckedSkin.h"

class TPreviewTrees;
struct TMainWindowPreview;

// The checker's rule that needs the previews: "mask.bmp" and "SKIN_MASK"
// against what a save would make of the package now. The package is
// loaded into previews of its own, as the package tool renders it.
void CheckMainMask(TCheckedSkin& skin, TFindings& findings);

// The main window's preview controls the save reads, from a preview tree.
TMainWindowPreview MainWindowPreviewOf(const TPreviewTrees& trees);
