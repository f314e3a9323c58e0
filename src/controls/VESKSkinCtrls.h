#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "controls/ElementControl.h"

// A numeric display: times, rates and mode indicators drawn with glyphs cut
// from a horizontal strip of equal cells. Glyphs 0 to 9 are the digits, 10
// the colon, 11 the minus, 12 the blank; any other character shows glyph 0.
// Magenta pixels of a glyph let the blank background through.
//
// The player's time manager and tab resource singletons are not built: no
// part of the editor uses them.
class TVESKNumLabel : public QWidget, public TElementControl {
    Q_OBJECT
    Q_PROPERTY(int Tag MEMBER Tag)

public:
    explicit TVESKNumLabel(QWidget* parent = nullptr);

    // The characters shown. Painting first replaces a caption whose length
    // differs from Default's by Default.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    // The number of glyphs in the strip: 13 for times and numbers, 3 for the
    // mode indicators.
    int ComponentCount() const { return FComponentCount; }
    void SetComponentCount(quint8 count);

    // The template text; its length is the number of character cells.
    QString Default() const { return FDefault; }
    void SetDefault(const QString& text) { FDefault = text; }

    // The glyph strip; setting keeps a copy.
    const QImage& Skin() const { return FSkin; }
    void SetSkin(const QImage& strip);

    static int GlyphIndex(QChar character);

    // Paints into any painter in the control's coordinates. Not const: the
    // caption falls back to Default here, as the player does it.
    virtual void PaintTo(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString FCaption;
    quint8 FComponentCount = 13;
    QString FDefault;
    QImage FSkin;
};
