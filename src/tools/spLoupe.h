#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include "graphics/VESKColor.h"

// A live, enlarged copy of the screen around the mouse cursor (or around a
// held point), refreshed ten times a second, that also reports the colour of
// the pixel under the cursor. Skin authors use it to hit texture borders and
// to recognise the magenta key colour.
class TspLoupe : public QWidget {
    Q_OBJECT

public:
    explicit TspLoupe(QWidget* parent = nullptr);

    bool Active() const { return FActive; }
    void SetActive(bool active);

    double ZoomLevel() const { return FZoomLevel; }
    // Zero, negative and NaN zoom levels mean no enlargement.
    void SetZoomLevel(double zoom);

    bool ShowCross() const { return FShowCross; }
    void SetShowCross(bool show) { FShowCross = show; }

    bool Hold() const { return FHold; }
    void SetHold(bool hold) { FHold = hold; }
    QPoint HoldPoint() const { return FHoldPoint; }
    void SetHoldPoint(const QPoint& point) { FHoldPoint = point; }

    // The screen area that is enlarged onto the whole control.
    QSize SourceSize() const { return FSourceSize; }
    // The enlarged image as last captured; always the control's size once painted.
    const QImage& View() const { return FView; }
    bool TimerActive() const { return FTimer.isActive(); }

signals:
    // The colour of the screen pixel under the mouse cursor, 0x00BBGGRR; read
    // on every tick only while something listens.
    void OnColor(TColor color);

protected:
    // One refresh: capture, enlarge, mark the centre, report the colour.
    void Tick();

    // The screen pixels of a rectangle in desktop coordinates, exactly the
    // rectangle's size; whatever lies outside every screen is black.
    virtual QImage GrabScreen(const QRect& area) const;
    // What the loupe shows of a rectangle: the screen where it can be read,
    // else the editor's own windows drawn by themselves. A grab that comes
    // back all black where an editor window shows something means the
    // screen cannot be read (a Wayland compositor answers so).
    QImage Capture(const QRect& area) const;
    virtual QPoint CursorPos() const;

    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override { return {100, 100}; }

private:
    void Rebuild();
    void DrawCross(QImage& view) const;

    QTimer FTimer;
    QSize FSourceSize;
    QImage FCapture;
    QImage FView;
    double FZoomLevel = 2.0;
    bool FActive = false;
    bool FShowCross = false;
    bool FHold = false;
    QPoint FHoldPoint;
};

// width / zoom rounded to the nearest integer, halves to even.
int LoupeSourceExtent(int extent, double zoom);
