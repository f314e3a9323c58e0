#include "controls/VESKSENumLabel.h"

#include <QPainter>

#include "controls/PreviewPainting.h"
#include "controls/SelectedElement.h"

TVESKSENumLabel::TVESKSENumLabel(QWidget* parent) : TVESKNumLabel(parent) {
    // Texture parameters cannot be copied to or from a display: the panel's
    // element menu, which Qt would pass a right click on to, is not offered.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TVESKSENumLabel::PaintTo(QPainter& painter) {
    TVESKNumLabel::PaintTo(painter);
    if (SelectedElement == this)
        DrawSelectionFrame(painter, size());
}
