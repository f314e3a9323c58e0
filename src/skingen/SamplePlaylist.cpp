#include "skingen/SamplePlaylist.h"

#include <QPainter>

#include "skingen/SkinCanvas.h"

namespace {

QImage Texture(TSkinWindowSource& s, const QString& key) {
    const QRect r = s.Document->ReadRect("SKIN_RECTS", key, TRect{}).ToQRect();
    return r.isEmpty() ? QImage() : Crop(s.Bitmap, r);
}

QColor Colour(TSkinWindowSource& s, const QString& key) {
    return ColorToQColor(s.Document->ReadInteger("SKIN_FONTS", key, 0));
}

QFont Font(TSkinWindowSource& s, const QString& key, QColor& color) {
    TFont font;
    s.Document->ReadFontTo("SKIN_FONTS", key, font);
    color = ColorToQColor(font.Color);
    QFont qfont = GeneratorFont(font);
    qfont.setFamilies({font.Name, "DejaVu Sans"});
    return qfont;
}

void Tile(QPainter& painter, const QImage& piece, const QRect& area) {
    if (piece.isNull())
        return;
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y < area.bottom() + 1; y += piece.height())
        for (int x = area.left(); x < area.right() + 1; x += piece.width())
            painter.drawImage(x, y, piece);
    painter.restore();
}

struct TTrack {
    const char* Title;
    const char* Length;
    const char* Font;
    const char* Ground;
    bool Checked;
};

constexpr TTrack Tracks[] = {
    {"1. Nordlys - Harbour Lights", "4:12", "PLSNRM", nullptr, true},
    {"2. Nordlys - Night Drive", "5:47", "PLSCUR", "PLSPlay", true},
    {"3. Kestrel - Low Tide", "3:58", "PLSSEL", "PLSActive", true},
    {"4. Kestrel - Paper Boats", "4:31", "PLSNRM", nullptr, false},
    {"5. Marit Vale - Ember", "6:05", "PLSNRM", nullptr, true},
};

} // namespace

void DrawSamplePlaylist(QPainter& painter, TSkinWindowSource& s, const QRect& list) {
    painter.save();
    painter.fillRect(list, Colour(s, "PLSBK"));
    const QImage top = Texture(s, "PLSTOP"), bottom = Texture(s, "PLSBTM");
    const QImage left = Texture(s, "PLSLEFT"), right = Texture(s, "PLSRIGHT");
    Tile(painter, top, QRect(list.left(), list.top(), list.width(), top.height()));
    Tile(painter, bottom, QRect(list.left(), list.bottom() + 1 - bottom.height(), list.width(),
                                bottom.height()));
    Tile(painter, left, QRect(list.left(), list.top(), left.width(), list.height()));
    Tile(painter, right, QRect(list.right() + 1 - right.width(), list.top(), right.width(),
                               list.height()));
    // scroll bar
    const QImage up = Texture(s, "SCROLLUP_NRM"), down = Texture(s, "SCROLLDOWN_NRM");
    const int barX = list.right() + 1 - right.width() - up.width() - 1;
    const int barTop = list.top() + top.height() + 1, barBottom = list.bottom() - bottom.height();
    Tile(painter, Texture(s, "SCROLLSLIDER_BK"),
         QRect(barX, barTop + up.height(), up.width(), barBottom - barTop - 2 * up.height()));
    painter.drawImage(barX, barTop, up);
    painter.drawImage(barX, barBottom + 1 - down.height(), down);
    painter.drawImage(barX, barTop + up.height() + 4, Texture(s, "SCROLLSLIDER_THM"));
    // tracks
    const QImage on = Texture(s, "PLS_CHECK"), off = Texture(s, "PLS_UNCHECK");
    const int rowHeight = 14;
    int y = list.top() + top.height() + 1;
    const QRect rows(list.left() + left.width() + 1, y, barX - list.left() - left.width() - 2,
                     rowHeight);
    for (const TTrack& t : Tracks) {
        if (y + rowHeight > barBottom)
            break;
        const QRect row(rows.left(), y, rows.width(), rowHeight);
        if (t.Ground)
            painter.fillRect(row, Colour(s, QLatin1String(t.Ground)));
        const QImage& box = t.Checked ? on : off;
        painter.drawImage(row.left() + 2, row.top() + (rowHeight - box.height()) / 2, box);
        QColor ink;
        painter.setFont(Font(s, QLatin1String(t.Font), ink));
        painter.setPen(ink);
        const QRect text = row.adjusted(box.width() + 6, 0, -4, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(t.Title));
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QLatin1String(t.Length));
        y += rowHeight;
    }
    painter.restore();
}

void DrawSampleTabs(QPainter& painter, TSkinWindowSource& s, const QRect& strip) {
    const QImage active = Texture(s, "TAB_ACT"), normal = Texture(s, "TAB_BK");
    int x = strip.left() + 4;
    const struct {
        const char* Name;
        bool Active;
    } tabs[] = {{"Evening", true}, {"Favourites", false}, {"Radio", false}};
    for (const auto& tab : tabs) {
        const QImage& picture = tab.Active ? active : normal;
        const QPoint at(x, strip.bottom() + 1 - picture.height());
        painter.drawImage(at, picture);
        QColor ink;
        painter.setFont(Font(s, tab.Active ? "PLSTABA" : "PLSTABN", ink));
        painter.setPen(tab.Active ? Colour(s, "PLSTABC") : ink);
        painter.drawText(QRect(at, picture.size()), Qt::AlignCenter, QLatin1String(tab.Name));
        x += picture.width() + 2;
    }
}
