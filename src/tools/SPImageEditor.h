#pragma once

#include <optional>

#include <QDialog>
#include <QImage>
#include <QPointF>

#include "graphics/SpriteSnap.h"
#include "graphics/VESKRect.h"

class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;
class QWheelEvent;
class TSheetView;
class TspLoupe;

// The modal dialog in which a texture rectangle is picked on a skin bitmap,
// with the mouse or by typing its corners. For a dependent state the size is
// locked and the rectangle can only be moved.
//
// Cutting a sprite sheet quickly: the sheet zooms 1x to 16x (Ctrl+wheel, +
// and - keys) around the cursor; a double click picks the sprite under the
// cursor; dragged edges snap to key colour borders (Shift suspends that);
// handles resize the rectangle, arrow keys move it (Shift+arrows resize).
//
// SelectRect() runs it modally; tests construct it, Prepare() it, drive it
// with mouse and keys and read Result().
class TRectSelecter : public QDialog {
    Q_OBJECT

public:
    // Opens maximised; call setWindowState() before showing to override.
    explicit TRectSelecter(QWidget* parent = nullptr);
    ~TRectSelecter() override;

    void Prepare(const QImage& image, const TRect& rect, bool sizeLocked);

    // The rectangle given to Prepare() until the user confirms, then the
    // corners as typed, possibly reversed.
    TRect Result() const { return FResult; }
    // The rectangle the rubber band shows.
    TRect Current() const { return FCurrent; }

    // The zoom each run starts with: the one chosen last while the program
    // runs, 2 at its start.
    static int RememberedZoom();

    // The sheet's own enlargement, kept like the magnifier's for the next run;
    // 1 at the program's start. A new zoom keeps the sheet pixel at anchor (a
    // point of the scroll box's viewport) where it is.
    int SheetZoom() const;
    void SetSheetZoom(int zoom, const QPoint& anchor);
    void SetSheetZoom(int zoom);

    // The marks invert the pixels under them, so drawing one again removes it.
    void InvertRubberBand(const TRect& rect);
    void InvertCrossHair(const QPoint& at);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();

    // Mouse positions are in PBox's pixels, the sheet enlarged.
    void PBoxMouseDown(const QPoint& at, Qt::KeyboardModifiers keys);
    void PBoxMouseMove(const QPoint& at, Qt::KeyboardModifiers keys);
    void PBoxMouseUp();
    void PBoxDblClick(const QPoint& at, Qt::KeyboardModifiers keys);
    bool PBoxKeyDown(const QKeyEvent& event);
    bool PBoxWheel(const QWheelEvent& event);
    void EditChange();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void OKBtnClick();
    void BitBtn2Click();
    void ZoomEditChange(int zoom);

    // Rebuilds the picture: the image, the rubber band, no cross-hair.
    void Repaint();
    void Update();
    void SetSecondCorner(int x, int y);
    TRect EditsRect() const;
    void SizeEditChange();
    // The band moves from the current rectangle to rect, which becomes current.
    void MoveBand(const TRect& rect);
    void ShowHandles();

    // Snapping, handles and keys (SPImageEditorSnap.cpp). The key colour
    // border nearest to a view position along an axis, looked for along the
    // sheet's rows (or columns) spanFrom..spanTo; none while Shift is held.
    std::optional<int> BorderNear(TEdgeAxis axis, qint64 at, int spanFrom, int spanTo,
                                  Qt::KeyboardModifiers keys) const;
    int SnapEdge(TEdgeAxis axis, qint64 at, int unsnapped, int spanFrom, int spanTo,
                 Qt::KeyboardModifiers keys) const;
    // The sheet pixels from from to as far as snapping reaches around the
    // view position at, along one axis.
    TEdgeSpan Reach(qint64 at, int from) const;
    // A start of a locked rectangle of the given size such that one of its
    // two edges lies on a border, when one is close to either.
    int SnapLocked(TEdgeAxis axis, qint64 at, int start, int size, int spanFrom, int spanTo,
                   Qt::KeyboardModifiers keys) const;
    // The corner for the mouse at a view position, for a rectangle that
    // begins at the sheet pixel from.
    QPoint SnappedCorner(const QPoint& at, const QPoint& from, Qt::KeyboardModifiers keys) const;
    void MoveLockedTo(const QPoint& at, Qt::KeyboardModifiers keys);
    int HandleAt(const QPoint& at) const;
    void StartResize(int edges, const QPoint& at);
    void ResizeTo(const QPoint& at, Qt::KeyboardModifiers keys);
    void ShowCursorFor(const QPoint& at);
    void NudgeBy(int dx, int dy, bool resize);

    void ZoomStep(int steps, const QPoint& anchor);
    // The mouse in the scroll box's viewport, or the viewport's centre when
    // the mouse is elsewhere.
    QPoint KeyZoomAnchor() const;

    QLabel* LBX = nullptr;
    QLabel* LbY = nullptr;
    QSpinBox* ZoomEdit = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QSpinBox* X1Edit = nullptr;
    QSpinBox* Y1Edit = nullptr;
    QSpinBox* X2Edit = nullptr;
    QSpinBox* Y2Edit = nullptr;
    TspLoupe* spLoupe1 = nullptr;
    QLabel* SizeLabel = nullptr;
    QLabel* SheetZoomLabel = nullptr;
    QScrollArea* ScrollBox = nullptr;
    TSheetView* PBox = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* BitBtn2 = nullptr;

    bool FSizeLocked = false;
    int FLockedWidth = 0;
    int FLockedHeight = 0;
    TRect FResult;
    TRect FCurrent;
    bool FDragging = false;
    bool FUpdating = false;
    // A drag on a handle moves only the edges it names (left, right, top, bottom), each
    // from where it was at the press by as much as the mouse moved.
    int FResizeEdges = 0;
    QPoint FResizeFrom;
    QSpinBox* FResizeX = nullptr;
    QSpinBox* FResizeY = nullptr;
    int FResizeX0 = 0;
    int FResizeY0 = 0;
    // The sheet pixel where the drag began: edges snap to borders seen along
    // the rows and columns from there to the mouse.
    QPoint FAnchor;
    int FWheelAngle = 0;
    // The sheet point that zoom steps keep under the mouse, until the mouse
    // moves or the sheet is scrolled.
    std::optional<QPointF> FZoomPoint;
    QPoint FZoomAnchor;
    QPoint FZoomScrolled;
    // Where the cross-hair is drawn, if anywhere.
    std::optional<QPoint> FLastPos;
};

// Normalised so that left <= right and top <= bottom.
TRect NormalizeRect(const TRect& rect);

// Lets the user pick a rectangle on image. Whichever way the dialog closes,
// rect receives its result normalised: after a cancel, the rectangle passed
// in. Answers whether the user confirmed; without an image the dialog does
// not open and rect is left alone.
bool SelectRect(const QImage& image, TRect& rect, bool sizeLocked, QWidget* parent = nullptr);
