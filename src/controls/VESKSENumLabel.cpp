#include "controls/VESKSENumLabel.h"

#include <QPainter>

#include "controls/PreviewPainting.h"
#include "controls/SelectedElement.h"

TVESKSENumLabel::TVESKSENumLabel(QWidget* parent) : TVESKNumLabel(parent) {}

void TVESKSENumLabel::PaintTo(QPainter& painter) {
    TVESKNumLabel::PaintTo(painter);
    if (SelectedElement == this)
        DrawSelectionFrame(painter, size());
}
