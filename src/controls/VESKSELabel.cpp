#include "controls/VESKSELabel.h"

#include <QPainter>

#include "controls/SelectedElement.h"
#include "graphics/SkinFontFace.h"

TVESKSELabel::TVESKSELabel(QWidget* parent) : QWidget(parent), TElementControl(this) {
    setAttribute(Qt::WA_OpaquePaintEvent, !FTransparent);
    // A label has no textures: the panel's element menu, which Qt would
    // pass a right click on to, is not offered.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TVESKSELabel::SetCaption(const QString& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    AdjustBounds();
    update();
}

void TVESKSELabel::SetFont(const TFont& font) {
    FFont = font;
    AdjustBounds();
    update();
}

void TVESKSELabel::SetColor(TColor color) {
    FColor = color;
    update();
}

void TVESKSELabel::SetAlignment(Qt::Alignment alignment) {
    FAlignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void TVESKSELabel::SetTransparent(bool transparent) {
    FTransparent = transparent;
    // Qt paints the container under a widget that is not opaque.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TVESKSELabel::SetWordWrap(bool wordWrap) {
    FWordWrap = wordWrap;
    AdjustBounds();
    update();
}

void TVESKSELabel::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    AdjustBounds();
}

int TVESKSELabel::TextFlags() const {
    // Text starts at the top; an ampersand marks a mnemonic, as in any
    // classic label.
    int flags = int(FAlignment) | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    if (FWordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

void TVESKSELabel::AdjustBounds() {
    if (!FAutoSize)
        return;
    // An empty caption still measures one line high.
    const QString text = FCaption.isEmpty() || FCaption == QLatin1String("&")
                             ? FCaption + QLatin1Char(' ')
                             : FCaption;
    const QSize textSize = SkinTextSize(SkinFontFace(FFont), text, width(), TextFlags());
    int left = x();
    if (FAlignment & Qt::AlignRight)
        left += width() - textSize.width();
    SetBounds(left, y(), textSize.width(), textSize.height());
}

void TVESKSELabel::SetShowsBounds(bool shows) {
    FShowsBounds = shows;
    update();
}

void TVESKSELabel::PaintTo(QPainter& painter) const {
    painter.save();
    painter.setClipRect(rect(), Qt::IntersectClip);
    if (!FTransparent)
        painter.fillRect(rect(), ColorToQColor(FColor));
    painter.setPen(ColorToQColor(FFont.Color));
    DrawSkinText(painter, rect(), TextFlags(), FCaption, SkinFontFace(FFont));
    if (FShowsBounds)
        DrawBoundsOutline(painter, size());
    if (SelectedElement == this)
        DrawSelectionFrame(painter, size());
    painter.restore();
}

void TVESKSELabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTo(painter);
}

void TVESKSELabel::mousePressEvent(QMouseEvent* event) {
    MouseDown(event);
}

void TVESKSELabel::mouseMoveEvent(QMouseEvent* event) {
    MouseMove(event);
}

void TVESKSELabel::mouseReleaseEvent(QMouseEvent* event) {
    MouseUp(event);
}
