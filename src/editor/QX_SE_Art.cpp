#include "editor/QX_SE_Art.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap Transparent(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A miniature player face: a framed strip with a play button and equalizer
// bars, the thing the editor is about.
void DrawMiniPlayer(QPainter& painter, const QRectF& area) {
    // Laid out in units of the strip's height, so it reads at any size.
    const double unit = area.height() / 10;
    QLinearGradient face(area.topLeft(), area.bottomLeft());
    face.setColorAt(0, QColor(0x5a, 0x6b, 0x8c));
    face.setColorAt(1, QColor(0x1e, 0x26, 0x38));
    painter.setPen(QPen(QColor(0xc8, 0xd2, 0xe6), std::max(0.5, unit * 0.2)));
    painter.setBrush(face);
    painter.drawRoundedRect(area, unit, unit);

    const QRectF button(area.left() + unit * 1.2, area.center().y() - unit * 2.2, unit * 4.4,
                        unit * 4.4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0xd4, 0x8c));
    painter.drawEllipse(button);
    QPainterPath triangle;
    triangle.moveTo(button.left() + unit * 1.6, button.top() + unit * 1.1);
    triangle.lineTo(button.right() - unit * 1.0, button.center().y());
    triangle.lineTo(button.left() + unit * 1.6, button.bottom() - unit * 1.1);
    triangle.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(triangle);

    static const double levels[] = {0.35, 0.6, 0.85, 0.5, 0.7, 0.4, 0.65, 0.3};
    double x = button.right() + unit * 1.2;
    for (double level : levels) {
        if (x + unit > area.right() - unit * 0.8)
            break;
        const double height = level * unit * 7;
        const QRectF bar(x, area.bottom() - unit * 1.5 - height, unit, height);
        QLinearGradient fill(bar.bottomLeft(), bar.topLeft());
        fill.setColorAt(0, QColor(0x2b, 0xd4, 0x8c));
        fill.setColorAt(1, QColor(0xff, 0x00, 0xff));
        painter.setBrush(fill);
        painter.drawRect(bar);
        x += unit * 1.6;
    }
}

} // namespace

QPixmap MakeLogoPicture(const QSize& size) {
    QPixmap pixmap = Transparent(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);

    QLinearGradient back(bounds.topLeft(), bounds.topRight());
    back.setColorAt(0, QColor(0x26, 0x30, 0x48));
    back.setColorAt(1, QColor(0x4a, 0x5e, 0x8a));
    painter.setBrush(back);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(bounds, 10, 10);

    const double playerWidth = 120;
    DrawMiniPlayer(
        painter, QRectF(bounds.left() + 10, bounds.top() + 14, playerWidth, bounds.height() - 28));

    const QRectF text(bounds.left() + playerWidth + 24, bounds.top() + 8,
                      bounds.width() - playerWidth - 32, bounds.height() - 16);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Skin Editor"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(15);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xc8, 0xd2, 0xe6));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("VESK Classic  .qxsp"));
    return pixmap;
}

QPixmap MakeOpenPicture(const QSize& size) {
    QPixmap pixmap = Transparent(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();

    // Folder back with tab.
    QPainterPath back;
    back.moveTo(w * 0.08, h * 0.22);
    back.lineTo(w * 0.38, h * 0.22);
    back.lineTo(w * 0.45, h * 0.32);
    back.lineTo(w * 0.90, h * 0.32);
    back.lineTo(w * 0.90, h * 0.88);
    back.lineTo(w * 0.08, h * 0.88);
    back.closeSubpath();
    painter.setPen(QPen(QColor(0x8a, 0x62, 0x10), 1.5));
    painter.setBrush(QColor(0xe0, 0xa8, 0x30));
    painter.drawPath(back);

    // A skin sheet sticking out of the folder.
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    const QRectF sheet(w * 0.22, h * 0.12, w * 0.52, h * 0.5);
    painter.drawRect(sheet);
    DrawMiniPlayer(painter, sheet.adjusted(3, 4, -3, -sheet.height() * 0.35));

    // Folder front, tilted open.
    QPainterPath front;
    front.moveTo(w * 0.16, h * 0.45);
    front.lineTo(w * 0.98, h * 0.45);
    front.lineTo(w * 0.90, h * 0.88);
    front.lineTo(w * 0.08, h * 0.88);
    front.closeSubpath();
    QLinearGradient fill(0, h * 0.45, 0, h * 0.88);
    fill.setColorAt(0, QColor(0xff, 0xd8, 0x60));
    fill.setColorAt(1, QColor(0xe8, 0xb0, 0x38));
    painter.setPen(QPen(QColor(0x8a, 0x62, 0x10), 1.5));
    painter.setBrush(fill);
    painter.drawPath(front);
    return pixmap;
}

QPixmap MakeSavePicture(const QSize& size) {
    QPixmap pixmap = Transparent(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(size.width(), size.height()) * 0.82;
    const QRectF disk((size.width() - side) / 2, (size.height() - side) / 2, side, side);

    QPainterPath body;
    body.moveTo(disk.topLeft());
    body.lineTo(disk.right() - side * 0.14, disk.top());
    body.lineTo(disk.right(), disk.top() + side * 0.14);
    body.lineTo(disk.bottomRight());
    body.lineTo(disk.bottomLeft());
    body.closeSubpath();
    painter.setPen(QPen(QColor(0x10, 0x20, 0x40), 1.5));
    painter.setBrush(QColor(0x30, 0x58, 0xa8));
    painter.drawPath(body);

    // Shutter and label.
    painter.setBrush(QColor(0xc8, 0xcc, 0xd4));
    painter.drawRect(QRectF(disk.left() + side * 0.22, disk.top(), side * 0.5, side * 0.32));
    painter.setBrush(QColor(0x30, 0x58, 0xa8));
    painter.drawRect(
        QRectF(disk.left() + side * 0.52, disk.top() + side * 0.05, side * 0.1, side * 0.22));
    painter.setBrush(Qt::white);
    const QRectF label(disk.left() + side * 0.12, disk.top() + side * 0.46, side * 0.76,
                       side * 0.46);
    painter.drawRoundedRect(label, 2, 2);
    DrawMiniPlayer(painter, label.adjusted(3, 3, -3, -3));
    return pixmap;
}
