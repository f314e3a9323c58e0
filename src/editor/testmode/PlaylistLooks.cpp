#include "editor/testmode/PlaylistLooks.h"

#include <algorithm>

#include <QPainter>

#include "editor/SkinRenderer.h"
#include "graphics/SkinFontFace.h"
#include "graphics/VESKDraw.h"
#include "text/SkinProject.h"

namespace {

const QString kFonts = QStringLiteral("SKIN_FONTS");
const QString kRects = QStringLiteral("SKIN_RECTS");

struct TSampleTrack {
    const char* Title;
    const char* Length;
    bool Checked;
};

// The playlist the displays count through: twelve tracks, 48:12 in all,
// the second one playing. More than a dock shows, so the list needs its
// scroll bar.
constexpr TSampleTrack kTracks[] = {
    {"1. Nordlys - Harbour Lights", "4:12", true},
    {"2. Пробный исполнитель - Над облаками", "5:47", true},
    {"3. Kestrel - Low Tide", "3:58", true},
    {"4. Kestrel - Paper Boats", "4:31", false},
    {"5. Marit Vale - Ember", "6:05", true},
    {"6. Marit Vale - Salt Roads", "3:26", true},
    {"7. Oda Lind - Glasshouse", "4:49", true},
    {"8. Oda Lind - Northbound", "5:02", true},
    {"9. Tarn - Slow Weather", "3:15", true},
    {"10. Tarn - Kites", "2:58", true},
    {"11. Vesper Lane - Undertow", "2:40", true},
    {"12. Vesper Lane - Lanterns", "1:29", true},
};

constexpr const char* kTabs[] = {"Evening", "Favourites", "Radio"};
constexpr int kActiveTab = 0;
constexpr int kPlayingTab = 1;

// A value a stranger's file spells wrongly draws as its default.
QColor Colour(TSkinProject& document, const QString& key, QColor fallback) {
    try {
        if (document.ValueExists(kFonts, key))
            return ColorToQColor(document.ReadInteger(kFonts, key, 0));
    } catch (const std::exception&) {
    }
    return fallback;
}

TFont Font(TSkinProject& document, const QString& key) {
    TFont font;
    try {
        document.ReadFontTo(kFonts, key, font);
    } catch (const std::exception&) {
    }
    return font;
}

QImage Piece(TSkinProject& document, const QImage& bitmap, const QString& key) {
    return TSkinRenderer::Texture(document, bitmap, kRects, key);
}

QImage Piece(TSkinProject& document, const QImage& bitmap, const char* key) {
    return Piece(document, bitmap, QLatin1String(key));
}

// The piece repeated over the area, the key colour left out. The piece is
// keyed once: a stranger's one-pixel texture may have to cover the dock.
void Tile(QPainter& painter, const QImage& piece, const QRect& area) {
    if (piece.isNull() || area.isEmpty())
        return;
    QImage keyed(piece.size(), QImage::Format_ARGB32_Premultiplied);
    keyed.fill(Qt::transparent);
    {
        QPainter keying(&keyed);
        DrawTransparent(keying, 0, 0, kSkinKeyColor, piece);
    }
    painter.save();
    painter.setBrushOrigin(area.topLeft());
    painter.fillRect(area, QBrush(keyed));
    painter.restore();
}

struct TFrame {
    QImage Top, Bottom, Left, Right;
};

TFrame ReadFrame(TSkinProject& document, const QImage& bitmap) {
    return {Piece(document, bitmap, "PLSTOP"), Piece(document, bitmap, "PLSBTM"),
            Piece(document, bitmap, "PLSLEFT"), Piece(document, bitmap, "PLSRIGHT")};
}

QRect Inside(QSize size, const TFrame& frame) {
    return QRect(QPoint(0, 0), size)
        .adjusted(frame.Left.width(), frame.Top.height(), -frame.Right.width(),
                  -frame.Bottom.height());
}

void DrawFrame(QPainter& painter, QSize size, const TFrame& frame) {
    const int w = size.width(), h = size.height();
    Tile(painter, frame.Left, QRect(0, 0, frame.Left.width(), h));
    Tile(painter, frame.Right, QRect(w - frame.Right.width(), 0, frame.Right.width(), h));
    Tile(painter, frame.Top, QRect(0, 0, w, frame.Top.height()));
    Tile(painter, frame.Bottom, QRect(0, h - frame.Bottom.height(), w, frame.Bottom.height()));
}

// A scroll button's texture for the pointer; the normal one where the skin
// gives no other.
QImage ScrollButton(TSkinProject& document, const QImage& bitmap, const char* button,
                    TPlaylistPart part, const TPlaylistPointer& pointer) {
    const QString stem = QLatin1String(button);
    if (pointer.Hovered == part) {
        const QImage state =
            Piece(document, bitmap, stem + QLatin1String(pointer.Pressed ? "_DWN" : "_SEL"));
        if (!state.isNull())
            return state;
    }
    return Piece(document, bitmap, stem + QLatin1String("_NRM"));
}

void DrawScrollBar(QPainter& painter, const TPlaylistLayout& layout, TSkinProject& document,
                   const QImage& bitmap, const TPlaylistPointer& pointer) {
    const QRect& bar = layout.ScrollBar;
    const QImage up = ScrollButton(document, bitmap, "SCROLLUP", TPlaylistPart::ScrollUp, pointer);
    const QImage down =
        ScrollButton(document, bitmap, "SCROLLDOWN", TPlaylistPart::ScrollDown, pointer);
    Tile(painter, Piece(document, bitmap, "SCROLLSLIDER_BK"),
         QRect(bar.left(), layout.ScrollUp.bottom() + 1, bar.width(),
               layout.ScrollDown.top() - layout.ScrollUp.bottom() - 1));
    if (!up.isNull())
        DrawTransparent(painter, layout.ScrollUp.left(), layout.ScrollUp.top(), kSkinKeyColor, up);
    if (!down.isNull())
        DrawTransparent(painter, layout.ScrollDown.left(), layout.ScrollDown.top(), kSkinKeyColor,
                        down);
    // The list shows its first tracks: the thumb stands at the top.
    const QImage thumb = Piece(document, bitmap, "SCROLLSLIDER_THM");
    if (!thumb.isNull())
        DrawTransparent(painter, bar.left(), layout.ScrollUp.bottom() + 1, kSkinKeyColor, thumb);
}

} // namespace

TPlaylistLayout PlaylistLayout(QSize size, TSkinProject& document, const QImage& bitmap) {
    TPlaylistLayout layout;
    const QRect inside = Inside(size, ReadFrame(document, bitmap));
    const int barWidth = std::max({Piece(document, bitmap, "SCROLLUP_NRM").width(),
                                   Piece(document, bitmap, "SCROLLSLIDER_BK").width(),
                                   Piece(document, bitmap, "SCROLLSLIDER_THM").width()});
    layout.ScrollBar = QRect(inside.right() + 1 - barWidth, inside.top(), barWidth, inside.height());
    const QSize up = Piece(document, bitmap, "SCROLLUP_NRM").size();
    const QSize down = Piece(document, bitmap, "SCROLLDOWN_NRM").size();
    layout.ScrollUp = QRect(layout.ScrollBar.topLeft(), up);
    layout.ScrollDown =
        QRect(QPoint(layout.ScrollBar.left(), layout.ScrollBar.bottom() + 1 - down.height()), down);
    layout.Rows = inside.adjusted(0, 0, -barWidth, 0);
    int line = std::max(Piece(document, bitmap, "PLS_CHECK").height(),
                        Piece(document, bitmap, "PLS_UNCHECK").height());
    for (const char* key : {"PLSNRM", "PLSSEL", "PLSCUR"})
        line = std::max(line, SkinFontFace(Font(document, QLatin1String(key))).LineHeight());
    layout.RowHeight = std::max(line, 1);
    layout.RowCount = layout.Rows.height() > 0
                          ? std::min<int>(layout.Rows.height() / layout.RowHeight,
                                          int(std::size(kTracks)))
                          : 0;
    return layout;
}

TPlaylistPart PlaylistPartAt(const TPlaylistLayout& layout, QPoint at, int& row) {
    if (layout.ScrollUp.contains(at))
        return TPlaylistPart::ScrollUp;
    if (layout.ScrollDown.contains(at))
        return TPlaylistPart::ScrollDown;
    if (!layout.Rows.contains(at) || layout.RowHeight <= 0)
        return TPlaylistPart::None;
    row = (at.y() - layout.Rows.top()) / layout.RowHeight;
    return row < layout.RowCount ? TPlaylistPart::Row : TPlaylistPart::None;
}

QImage DrawSamplePlaylist(QSize size, TSkinProject& document, const QImage& bitmap,
                          const TPlaylistPointer& pointer) {
    if (size.isEmpty() || size.width() > kMaxCutSide || size.height() > kMaxCutSide ||
        qint64(size.width()) * size.height() > kMaxCutPixels)
        return QImage();
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Colour(document, QStringLiteral("PLSBK"), Qt::black));
    QPainter painter(&picture);
    DrawFrame(painter, size, ReadFrame(document, bitmap));
    const TPlaylistLayout layout = PlaylistLayout(size, document, bitmap);
    DrawScrollBar(painter, layout, document, bitmap, pointer);

    const QImage on = Piece(document, bitmap, "PLS_CHECK");
    const QImage off = Piece(document, bitmap, "PLS_UNCHECK");
    // By look: normal, selected, playing.
    const TFont fonts[] = {Font(document, QStringLiteral("PLSNRM")),
                           Font(document, QStringLiteral("PLSSEL")),
                           Font(document, QStringLiteral("PLSCUR"))};
    const TSkinFontFace faces[] = {SkinFontFace(fonts[0]), SkinFontFace(fonts[1]),
                                   SkinFontFace(fonts[2])};
    const QColor selectedGround = Colour(document, QStringLiteral("PLSActive"), Qt::darkBlue);
    const QColor playingGround = Colour(document, QStringLiteral("PLSPlay"), Qt::darkGray);
    for (int i = 0; i < layout.RowCount; ++i) {
        const QRect row(layout.Rows.left(), layout.Rows.top() + i * layout.RowHeight,
                        layout.Rows.width(), layout.RowHeight);
        const int look = i == pointer.SelectedRow ? 1 : i == kPlayingRow ? 2 : 0;
        if (look == 1)
            painter.fillRect(row, selectedGround);
        else if (look == 2)
            painter.fillRect(row, playingGround);
        const QImage& box = kTracks[i].Checked ? on : off;
        if (!box.isNull())
            DrawTransparent(painter, row.left() + 2, row.top() + (row.height() - box.height()) / 2,
                            kSkinKeyColor, box);
        const TSkinFontFace& face = faces[look];
        const QString length = QLatin1String(kTracks[i].Length);
        const QRect text = row.adjusted(box.width() + 5, 0, -3, 0);
        const int lengthWidth = SkinTextSize(face, length, text.width(), Qt::TextSingleLine).width();
        painter.setPen(ColorToQColor(fonts[look].Color));
        DrawSkinText(painter, text, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     length, face);
        painter.save();
        painter.setClipRect(text.adjusted(0, 0, -lengthWidth - 6, 0));
        DrawSkinText(painter, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromUtf8(kTracks[i].Title), face);
        painter.restore();
    }
    return picture;
}

QImage DrawSampleTabs(const QImage& strip, TSkinProject& document, const QImage& bitmap) {
    if (strip.isNull())
        return strip;
    QImage picture = strip.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    const QImage active = Piece(document, bitmap, "TAB_ACT");
    const QImage normal = Piece(document, bitmap, "TAB_BK");
    const TFont activeFont = Font(document, QStringLiteral("PLSTABA"));
    const TFont normalFont = Font(document, QStringLiteral("PLSTABN"));
    const QColor playingInk = Colour(document, QStringLiteral("PLSTABC"), Qt::white);
    int x = 2;
    for (int i = 0; i < int(std::size(kTabs)); ++i) {
        const QImage& tab = i == kActiveTab ? active : normal;
        const QRect place(x, picture.height() - tab.height(), tab.width(), tab.height());
        if (!tab.isNull())
            DrawTransparent(painter, place.left(), place.top(), kSkinKeyColor, tab);
        const TFont& font = i == kActiveTab ? activeFont : normalFont;
        painter.setPen(i == kPlayingTab ? playingInk : ColorToQColor(font.Color));
        painter.save();
        painter.setClipRect(place);
        DrawSkinText(painter, place, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     QLatin1String(kTabs[i]), SkinFontFace(font));
        painter.restore();
        x += std::max(tab.width(), 1) + 1;
    }
    return picture;
}
