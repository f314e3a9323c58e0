#include "controls/VESKSkinCtrls.h"

#include <QPainter>

#include "controls/PreviewPainting.h"
#include "graphics/VESKDraw.h"

TVESKNumLabel::TVESKNumLabel(QWidget* parent) : QWidget(parent), TElementControl(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TVESKNumLabel::SetCaption(const QString& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    update();
}

void TVESKNumLabel::SetComponentCount(quint8 count) {
    FComponentCount = count;
    update();
}

void TVESKNumLabel::SetSkin(const QImage& strip) {
    FSkin = strip.format() == QImage::Format_RGB32 ? strip.copy()
                                                   : strip.convertToFormat(QImage::Format_RGB32);
    update();
}

int TVESKNumLabel::GlyphIndex(QChar character) {
    if (character >= QLatin1Char('0') && character <= QLatin1Char('9'))
        return character.unicode() - '0';
    if (character == QLatin1Char(':'))
        return 10;
    if (character == QLatin1Char('-'))
        return 11;
    if (character == QLatin1Char(' '))
        return 12;
    return 0;
}

void TVESKNumLabel::PaintTo(QPainter& painter) {
    if (FCaption.size() != FDefault.size())
        FCaption = FDefault;
    painter.save();
    painter.setClipRect(rect(), Qt::IntersectClip);
    // The blank background; the glyph cells cover it except where a glyph
    // is magenta. The player composes the cells on a blank bitmap of the
    // same colour first, which gives these very pixels.
    painter.fillRect(rect(), BlankColor());
    // No glyph count means no glyph width: nothing but the background,
    // rather than a division by zero.
    const int glyphWidth = FComponentCount > 0 ? FSkin.width() / FComponentCount : 0;
    const int glyphHeight = FSkin.height();
    for (int i = 0; glyphWidth > 0 && i < FCaption.size() && qint64(i) * glyphWidth < width();
         ++i) {
        const int index = GlyphIndex(FCaption[i]);
        QImage glyph;
        CutRect(glyph, FSkin, TRect{glyphWidth * index, 0, glyphWidth * (index + 1), glyphHeight});
        DrawTransparent(painter, glyphWidth * i, 0, kSkinKeyColor, glyph);
    }
    painter.restore();
}

void TVESKNumLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTo(painter);
}

void TVESKNumLabel::mousePressEvent(QMouseEvent* event) {
    MouseDown(event);
}

void TVESKNumLabel::mouseMoveEvent(QMouseEvent* event) {
    MouseMove(event);
}

void TVESKNumLabel::mouseReleaseEvent(QMouseEvent* event) {
    MouseUp(event);
}
