#pragma once

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "controls/ElementControl.h"

// A skin element drawn from its textures: a button, slider, spectrum or
// border bar of a preview. It holds copies of its textures and knows nothing
// of the skin's INI sections; the renderer fills it.
class TVESKSESkin : public QWidget, public TElementControl {
    Q_OBJECT
    Q_PROPERTY(int Tag MEMBER Tag)

public:
    explicit TVESKSESkin(QWidget* parent = nullptr);

    // The main texture. Setting it keeps a copy and paints at once.
    const QImage& ImgBackGround() const { return FImgBackGround; }
    void SetImgBackGround(const QImage& image);

    // Tiled: ImgAux1, ImgBackGround and ImgAux2 form a vertical bar whose
    // middle repeats to the control's height. The plain settings below do
    // not repaint; the next paint uses them.
    bool Tiled() const { return FTiled; }
    void SetTiled(bool tiled) { FTiled = tiled; }

    // Guides drawn while selected, at OffL from the left and OffR from the
    // right border.
    int OffL() const { return FOffL; }
    void SetOffL(int offL) { FOffL = offL; }
    int OffR() const { return FOffR; }
    void SetOffR(int offR) { FOffR = offR; }

    // Top and bottom caps of a bar; a slider keeps its filled background and
    // thumb here. Setting keeps a copy and does not repaint.
    const QImage& ImgAux1() const { return FImgAux1; }
    void SetImgAux1(const QImage& image) { FImgAux1 = OwnCopy(image); }
    const QImage& ImgAux2() const { return FImgAux2; }
    void SetImgAux2(const QImage& image) { FImgAux2 = OwnCopy(image); }

    // Shown on a right click, after the mouse-down handler has run.
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

    // Paints the control into any painter in the control's coordinates:
    // screen and rendered images get the same pixels.
    void PaintTo(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static QImage OwnCopy(const QImage& image);
    QImage BarFace() const;

    QImage FImgBackGround;
    bool FTiled = false;
    int FOffL = 0;
    int FOffR = 0;
    QImage FImgAux1;
    QImage FImgAux2;
    QPointer<QMenu> FPopupMenu;
};

// The container of one area of a preview (main face, playlist panels,
// equalizer face, tray panels, tab strip): painted like a skin element, with
// its texture as the area's background, and laying out its aligned children.
class TVESKSEPanel : public TVESKSESkin {
    Q_OBJECT

public:
    explicit TVESKSEPanel(QWidget* parent = nullptr);
};
