#pragma once

#include <QImage>
#include <QWidget>

class TPreviewTrees;

// The main window as the player cuts it: the mask a save would write,
// photographed from the preview at rest, laid over the whole preview as
// the player stretches it over a taller window (the upper band at the top,
// the lower band at the bottom, the middle band repeated in between).

// A picture of the preview's size: a checkerboard where the window is cut
// away, transparent elsewhere. Null when nothing is cut or no mask can be
// made.
QImage MaskCheckerboard(const TPreviewTrees& trees);

// The row of a mask of height maskHeight that cuts row y of a window of
// height windowHeight; -1 for a row no band covers (kept opaque).
int MaskRowFor(int y, int windowHeight, int maskHeight, int bottomHeight, int centerHeight);

// Shows the checkerboard over its parent, letting the pointer through to
// the controls under it.
class TMaskOverlay : public QWidget {
    Q_OBJECT

public:
    TMaskOverlay(const QImage& checkerboard, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FCheckerboard;
};
