#pragma once

#include <QString>
#include <QWidget>

#include "controls/ElementControl.h"
#include "controls/PreviewPainting.h"
#include "graphics/VESKFont.h"

// A text element of a preview (title lines, info bar, counters, list boxes):
// a classic text label that always shows its bounds as a dash-dot outline
// over the text and a green frame while selected.
class TVESKSELabel : public QWidget, public TElementControl {
    Q_OBJECT
    Q_PROPERTY(int Tag MEMBER Tag)

public:
    explicit TVESKSELabel(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    // Face, colour, pixel height and style of the caption.
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font);

    // The background of a label that is not transparent.
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return FAlignment; }
    void SetAlignment(Qt::Alignment alignment);

    // A transparent label leaves its container's pixels behind the text.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);

    // With auto-size on, a change of caption, font or wrapping fits the
    // bounds to the text, keeping the top and, for right-aligned text, the
    // right edge. Bounds set from outside are kept until the next change.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);

    // The dash-dot outline marks the label's bounds for the author; the
    // test mode hides it, as the player draws none.
    bool ShowsBounds() const { return FShowsBounds; }
    void SetShowsBounds(bool shows);

    void PaintTo(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int TextFlags() const;
    void AdjustBounds();

    QString FCaption;
    TFont FFont;
    TColor FColor = clWindow;
    Qt::Alignment FAlignment = Qt::AlignLeft;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FAutoSize = true;
    bool FShowsBounds = true;
};
