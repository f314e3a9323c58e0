#include <QPainter>

#include "skingen/MainAreas.h"
#include "skingen/Pictograms.h"
#include "skingen/SkinCanvas.h"
#include "skingen/SkinPalette.h"
#include "skingen/Surfaces.h"

namespace {

QColor ListGround(TSkinCanvas& canvas) {
    return ColorToQColor(canvas.Document().ReadInteger("SKIN_FONTS", "PLSBK", 0));
}

QImage Filled(QSize size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// The list's frame darkens towards the outside; the player stretches or
// repeats the strips along the list, so each is the same along its length.
void PaintFrameStrips(TSkinCanvas& canvas) {
    const QColor shades[] = {Palette::LcdEdge, Palette::Seam, ListGround(canvas).darker(115)};
    for (const char* key : {"PLSTOP", "PLSBTM", "PLSLEFT", "PLSRIGHT"}) {
        const QString k = QLatin1String(key);
        const QSize size = canvas.Texture(k).size();
        QImage strip = Filled(size, shades[2]);
        const bool horizontal = k == "PLSTOP" || k == "PLSBTM";
        const bool outerFirst = k == "PLSTOP" || k == "PLSLEFT";
        const int depth = horizontal ? size.height() : size.width();
        for (int i = 0; i < depth && i < 3; ++i) {
            const int at = outerFirst ? i : depth - 1 - i;
            QPainter painter(&strip);
            painter.fillRect(horizontal ? QRect(0, at, size.width(), 1) : QRect(at, 0, 1, size.height()),
                             shades[i]);
        }
        canvas.PutTexture(k, strip);
    }
}

void PaintScrollButtons(TSkinCanvas& canvas) {
    const struct {
        const char* Stem;
        Pictogram Sign;
    } buttons[] = {{"SCROLLUP", Pictogram::ArrowUp}, {"SCROLLDOWN", Pictogram::ArrowDown}};
    const TPlateState states[] = {TPlateState::Normal, TPlateState::Hover, TPlateState::Down};
    const char* suffixes[] = {"_NRM", "_SEL", "_DWN"};
    for (const auto& b : buttons)
        for (int s = 0; s < 3; ++s) {
            const QString key = QLatin1String(b.Stem) + QLatin1String(suffixes[s]);
            QImage image = Filled(canvas.Texture(key).size(), ListGround(canvas));
            QPainter painter(&image);
            DrawPlate(painter, image.rect(), states[s], 2);
            const QColor ink = s == 0 ? Palette::TextDim : Palette::Accent;
            DrawPictogram(painter, b.Sign, QRectF(2, 2 + (s == 2 ? 1 : 0), image.width() - 4,
                                                  image.height() - 4),
                          ink);
            painter.end();
            canvas.PutTexture(key, image);
        }
}

void PaintScrollTrack(TSkinCanvas& canvas) {
    const QRect track = canvas.Texture("SCROLLSLIDER_BK");
    QImage image = Filled(track.size(), ListGround(canvas));
    QPainter painter(&image);
    const int x = track.width() / 2 - 2;
    painter.fillRect(QRect(x, 0, 4, track.height()), Palette::LcdEdge);
    painter.fillRect(QRect(x + 1, 0, 2, track.height()), Palette::Groove);
    painter.end();
    canvas.PutTexture("SCROLLSLIDER_BK", image);
    if (canvas.Texture("SCROLLSLIDER_BKS") != track)
        canvas.PutTexture("SCROLLSLIDER_BKS", image);

    QImage thumb = Filled(canvas.Texture("SCROLLSLIDER_THM").size(), ListGround(canvas));
    QPainter knob(&thumb);
    DrawPlate(knob, thumb.rect(), TPlateState::Hover, 3);
    for (int i = -1; i <= 1; ++i)
        knob.fillRect(QRect(3, thumb.height() / 2 + 3 * i, thumb.width() - 6, 1), Palette::Accent);
    knob.end();
    canvas.PutTexture("SCROLLSLIDER_THM", thumb);
}

void PaintTrackStatus(TSkinCanvas& canvas) {
    for (bool checked : {true, false}) {
        const QString key = checked ? "PLS_CHECK" : "PLS_UNCHECK";
        QImage box = Filled(canvas.Texture(key).size(), ListGround(canvas));
        QPainter painter(&box);
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QRectF frame = QRectF(box.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(checked ? Palette::Accent : Palette::TextDim, 1));
        painter.setBrush(checked ? Palette::AccentDeep : Palette::Lcd);
        painter.drawRoundedRect(frame, 2, 2);
        if (checked)
            DrawPictogram(painter, Pictogram::Check, QRectF(1, 1, box.width() - 2, box.height() - 2),
                          Palette::AccentBright);
        painter.end();
        canvas.PutTexture(key, box);
    }
}

// Tabs rise from the tab strip: rounded upper corners on the strip's colour,
// the active one lighter and lit along its top.
void PaintTabs(TSkinCanvas& canvas) {
    const QImage strip = canvas.AreaPicture("TabCtrl");
    for (bool active : {true, false}) {
        const QString key = active ? "TAB_ACT" : "TAB_BK";
        const QSize size = canvas.Texture(key).size();
        QImage tab = strip.isNull() ? Filled(size, Palette::Groove)
                                    : Crop(strip, QRect(QPoint(0, 0), size));
        QPainter painter(&tab);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(0, 0, size.width(), size.height() + 4), 4, 4);
        painter.setClipRect(QRect(QPoint(0, 0), size));
        painter.fillPath(shape, Palette::PlateEdge);
        QPainterPath inner;
        inner.addRoundedRect(QRectF(1, 1, size.width() - 2, size.height() + 4), 3, 3);
        QLinearGradient fill(0, 1, 0, size.height());
        fill.setColorAt(0, active ? Palette::PlateHoverTop : Palette::PlateBottom);
        fill.setColorAt(1, active ? Palette::FaceBottom : Palette::Title);
        painter.fillPath(inner, fill);
        if (active)
            painter.fillRect(QRectF(3, 1, size.width() - 6, 2), Palette::Accent);
        painter.end();
        canvas.PutTexture(key, tab);
    }
}

} // namespace

void PaintPlaylistTextures(TSkinCanvas& canvas) {
    PaintFrameStrips(canvas);
    PaintScrollButtons(canvas);
    PaintScrollTrack(canvas);
    PaintTrackStatus(canvas);
    PaintTabs(canvas);
}
