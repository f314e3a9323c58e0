#include "controls/PlainPanel.h"

#include <algorithm>

#include <QPainter>

#include "controls/AlignLayout.h"
#include "graphics/VESKFont.h"

TPlainPanel::TPlainPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlainPanel::SetCaption(const QString& caption) {
    FCaption = caption;
    update();
}

void TPlainPanel::SetColor(const QColor& color) {
    FColor = color;
    update();
}

void TPlainPanel::SetPicture(const QImage& picture) {
    FPicture = picture;
    update();
}

QRect TPlainPanel::FreeArea() const {
    int top = 0;
    int bottom = height();
    for (QObject* object : children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isHidden())
            continue;
        const TAlign align = AlignOf(child);
        if (align == TAlign::Top)
            top = std::max(top, child->geometry().bottom() + 1);
        else if (align == TAlign::Bottom)
            bottom = std::min(bottom, child->y());
    }
    return QRect(0, top, width(), std::max(0, bottom - top));
}

void TPlainPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FColor);
    if (!FPicture.isNull()) {
        painter.drawImage(FreeArea().topLeft(), FPicture);
        return;
    }
    if (FCaption.isEmpty())
        return;
    TFont font;
    font.Height = -11;
    painter.setFont(font.ToQFont());
    painter.setPen(Qt::white);
    painter.drawText(FreeArea(), Qt::AlignCenter, FCaption);
}
