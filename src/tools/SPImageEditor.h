#pragma once

#include <optional>

#include <QDialog>
#include <QImage>

#include "graphics/VESKRect.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;
class TspLoupe;

// The modal dialog in which a texture rectangle is picked on a skin bitmap,
// with the mouse or by typing its corners. For a dependent state the size is
// locked and the rectangle can only be moved.
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

    // The marks invert the pixels under them, so drawing one again removes
    // it and the picture never has to be kept twice.
    void InvertRubberBand(const TRect& rect);
    void InvertCrossHair(const QPoint& at);

    // The picture with the marks, as PBox shows it.
    const QImage& Canvas() const { return FCanvas; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();

    void PBoxPaint(const QRect& area);
    void PBoxMouseDown(int x, int y);
    void PBoxMouseMove(int x, int y);
    void PBoxMouseUp();
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
    void InvertDots(qint64 left, qint64 top, qint64 right, qint64 bottom);

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
    QScrollArea* ScrollBox = nullptr;
    QWidget* PBox = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* BitBtn2 = nullptr;

    QImage FImage;
    QImage FCanvas;
    bool FSizeLocked = false;
    int FLockedWidth = 0;
    int FLockedHeight = 0;
    TRect FResult;
    TRect FCurrent;
    bool FDragging = false;
    bool FUpdating = false;
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
