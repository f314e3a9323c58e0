#pragma once

#include <optional>
#include <vector>

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "graphics/VESKRect.h"

// The texture sheet of the rectangle selector, enlarged a whole number of
// times, with a pixel grid from 4x on and the selector's marks.
//
// The marks (rubber band, cross-hair) are dotted lines that invert the
// pixels under them. They are kept as a list rather than burnt into a copy
// of the sheet: toggling a mark that is shown removes it, so drawing the
// same mark twice leaves no trace, and a paint draws only the part of the
// enlarged sheet that is exposed. Every change asks to repaint only the
// pixels it touches, which keeps a 4096 x 4096 sheet fluid at any zoom.
class TSheetView : public QWidget {
    Q_OBJECT

public:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 16;
    static constexpr int GridZoom = 4;

    explicit TSheetView(QWidget* parent = nullptr);

    // Kept as Format_RGB32; the view is resized to the sheet at the zoom.
    void SetImage(const QImage& image);
    const QImage& Image() const { return FImage; }

    int Zoom() const { return FZoom; }
    void SetZoom(int zoom);

    // The sheet pixel that a point of the view shows (outside the sheet too).
    QPoint ToSheet(const QPoint& view) const;

    void ToggleBand(const TRect& rect);
    void ToggleCross(const QPoint& pixel);
    void ClearMarks();

    // Resize handles around rect, or none.
    void SetHandles(const std::optional<TRect>& rect);
    // The view rectangle that rect covers, normalised; empty when rect is.
    QRect ScreenRect(const TRect& rect) const;

    static constexpr int HandleSize = 5;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct TMark {
        bool IsCross = false;
        TRect Band;
        QPoint Cross;
        friend bool operator==(const TMark&, const TMark&) = default;
    };
    // Each mark as the dotted pixel runs it inverts, in view coordinates,
    // right and bottom inclusive.
    std::vector<QRect> Strokes(const TMark& mark) const;
    QRegion Area(const std::vector<QRect>& strokes) const;
    std::vector<QRect> HandleBoxes() const;
    void Toggle(const TMark& mark);
    void PaintArea(QPainter& painter, const QRect& area) const;
    void DrawSheet(QImage& buffer, const QRect& area) const;
    void DrawGrid(QImage& buffer, const QRect& area) const;

    QImage FImage;
    int FZoom = 1;
    std::vector<TMark> FMarks;
    std::optional<TRect> FHandles;
};
