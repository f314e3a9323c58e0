#include "skingen/ContactSheet.h"

#include <algorithm>
#include <map>

#include <QPainter>

namespace {

constexpr int Margin = 24;
constexpr int CaptionHeight = 22;
constexpr int Gap = 20;
const QColor Sheet(0x5b, 0x61, 0x69);
const QColor Ink(0xf0, 0xf2, 0xf4);

QFont CaptionFont(int pixels, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

QImage PaintContactSheet(const QString& title, const std::vector<TSheetItem>& items, int scale) {
    std::map<int, QSize> columns; // column -> width, height used
    for (const TSheetItem& item : items) {
        QSize& c = columns[item.Column];
        c.setWidth(std::max(c.width(), item.Picture.width() * scale));
        c.setHeight(c.height() + CaptionHeight + item.Picture.height() * scale + Gap);
    }
    int width = Margin, height = 0;
    std::map<int, int> left;
    for (const auto& [column, size] : columns) {
        left[column] = width;
        width += size.width() + Margin;
        height = std::max(height, size.height());
    }
    const int top = Margin + 40;
    QImage sheet(width, top + height + Margin, QImage::Format_RGB32);
    sheet.fill(Sheet);
    QPainter painter(&sheet);
    painter.setPen(Ink);
    painter.setFont(CaptionFont(22, true));
    painter.drawText(QPoint(Margin, Margin + 18), title);
    std::map<int, int> y;
    for (const TSheetItem& item : items) {
        int& at = y.try_emplace(item.Column, top).first->second;
        const int x = left[item.Column];
        painter.setFont(CaptionFont(14, false));
        painter.drawText(QPoint(x, at + 15), item.Caption);
        at += CaptionHeight;
        const QSize size = item.Picture.size() * scale;
        painter.drawImage(QRect(QPoint(x, at), size), item.Picture); // no smoothing: pixels stay square
        at += size.height() + Gap;
    }
    return sheet;
}
