#include "controls/VESK_SE_Panel.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "controls/AlignContainer.h"
#include "controls/PreviewPainting.h"
#include "controls/SelectedElement.h"
#include "graphics/VESKDraw.h"

TVESKSESkin::TVESKSESkin(QWidget* parent) : QWidget(parent), TElementControl(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage TVESKSESkin::OwnCopy(const QImage& image) {
    // Skin bitmaps have no alpha: whatever the caller hands over is drawn
    // as an opaque copy. A deep copy, as the caller may reuse its buffer.
    if (image.format() == QImage::Format_RGB32)
        return image.copy();
    return image.convertToFormat(QImage::Format_RGB32);
}

void TVESKSESkin::SetImgBackGround(const QImage& image) {
    FImgBackGround = OwnCopy(image);
    repaint();
}

QImage TVESKSESkin::BarFace() const {
    // A bar larger than any texture can be comes only from a broken file;
    // it stays blank rather than claim memory by the gigabyte.
    const qint64 w = width(), h = height();
    if (w > kMaxCutSide || h > kMaxCutSide || w * h > kMaxCutPixels)
        return QImage();
    QImage face(width(), height(), QImage::Format_RGB32);
    face.fill(BlankColor());
    if (FImgBackGround.isNull()) {
        // Nothing to repeat: the caps alone, the rows between stay blank.
        QPainter painter(&face);
        painter.drawImage(0, 0, FImgAux1);
        painter.drawImage(0, height() - FImgAux2.height(), FImgAux2);
    } else {
        // Without a top cap the centre stands in for it, which repeats the
        // centre from the first row on, as wide as the centre.
        const QImage& top = FImgAux1.isNull() ? FImgBackGround : FImgAux1;
        DrawThreeParts(face, top, FImgBackGround, FImgAux2);
    }
    return face;
}

void TVESKSESkin::PaintTo(QPainter& painter) const {
    painter.save();
    painter.setClipRect(rect(), Qt::IntersectClip);
    // An opaque control paints every pixel; where no texture covers it, the
    // classic control showed its own background colour.
    painter.fillRect(rect(), BlankColor());
    DrawBoundsOutline(painter, size());
    if (FTiled) {
        const QImage face = BarFace();
        // A bar too large to compose still covers its outline with its
        // blank face, as a composed one would.
        if (face.isNull())
            painter.fillRect(rect(), BlankColor());
        else
            painter.drawImage(0, 0, face);
    } else {
        painter.drawImage(0, 0, FImgBackGround);
    }
    if (SelectedElement == this) {
        DrawSelectionFrame(painter, size());
        DrawGuides(painter, size(), FOffL, FOffR);
    }
    painter.restore();
}

void TVESKSESkin::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTo(painter);
}

void TVESKSESkin::mousePressEvent(QMouseEvent* event) {
    MouseDown(event);
}

void TVESKSESkin::mouseMoveEvent(QMouseEvent* event) {
    MouseMove(event);
}

void TVESKSESkin::mouseReleaseEvent(QMouseEvent* event) {
    MouseUp(event);
}

void TVESKSESkin::contextMenuEvent(QContextMenuEvent* event) {
    if (!FPopupMenu) {
        QWidget::contextMenuEvent(event);
        return;
    }
    FPopupMenu->popup(event->globalPos());
    event->accept();
}

TVESKSEPanel::TVESKSEPanel(QWidget* parent) : TVESKSESkin(parent) {
    TAlignContainer::Install(this);
}
