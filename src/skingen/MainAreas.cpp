#include "skingen/MainAreas.h"

#include <QPainter>

#include "skingen/PixelFont.h"
#include "skingen/Pictograms.h"
#include "skingen/SkinCanvas.h"
#include "skingen/SkinPalette.h"
#include "skingen/Surfaces.h"

namespace {

QRect UnionOf(TSkinCanvas& canvas, std::initializer_list<const char*> keys) {
    QRect all;
    for (const char* key : keys)
        all |= canvas.Placement(QLatin1String(key));
    return all;
}

QImage NewPicture(QSize size, const QColor& fill) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Word printed just left of an element, vertically centred on it.
void PrintBefore(QImage& image, const QRect& element, const QString& word, const QColor& ink) {
    const QPoint at(element.left() - 4 - TinyTextWidth(word), element.center().y() - 2);
    DrawTinyText(image, at, word, ink);
}

void PrintAfter(QImage& image, const QRect& element, const QString& word, const QColor& ink) {
    DrawTinyText(image, QPoint(element.right() + 4, element.bottom() - 5), word, ink);
}

// Faint scale lines behind the analyser's bars.
void PaintSpectrumScale(QPainter& painter, const QRect& area) {
    for (int y = area.bottom() - 1; y > area.top(); y -= 3)
        painter.fillRect(QRect(area.left(), y, area.width(), 1), Palette::LcdGrid);
    painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), Palette::AccentDim.darker(200));
}

void PaintDisplayBox(QPainter& painter, const QRect& box) {
    DrawWell(painter, box, Palette::Lcd, 3);
    QLinearGradient sheen(box.topLeft(), box.bottomLeft());
    sheen.setColorAt(0, QColor(0x16, 0x1d, 0x22));
    sheen.setColorAt(0.5, Palette::Lcd);
    painter.fillRect(box.adjusted(2, 2, -2, -box.height() / 2), sheen);
}

QImage PaintFace(TSkinCanvas& canvas, QSize size) {
    QImage face = NewPicture(size, Palette::FaceBottom);
    QPainter painter(&face);
    FillGradient(painter, face.rect().adjusted(0, 2, 0, 0), Palette::FaceTop, Palette::FaceBottom);
    painter.fillRect(QRect(0, 0, size.width(), 1), Palette::Outline);
    painter.fillRect(QRect(0, 1, size.width(), 1), Palette::BevelLight);
    // title bar and its separator
    painter.fillRect(QRect(0, 2, size.width(), 16), Palette::Title);
    painter.fillRect(QRect(0, 18, size.width(), 1), Palette::Seam);
    painter.fillRect(QRect(0, 19, size.width(), 1), Palette::BevelLight.darker(115));
    DrawWell(painter, canvas.Placement("Infobar").adjusted(-3, -1, 2, 1), Palette::Lcd, 2);
    // the display: digits and analyser in one well, track details beside it
    const QRect lcd = UnionOf(canvas, {"Player", "Time", "SRINFO", "BRINFO", "PLAYBACK",
                                       "SleepTime", "SPECTRUM"});
    DrawWell(painter, lcd.adjusted(-4, -5, 3, 3), Palette::Lcd, 3);
    PaintSpectrumScale(painter, canvas.Placement("SPECTRUM"));
    PaintDisplayBox(painter, canvas.Placement("MultiDisplay"));
    // the function strip sits in a shallow groove
    const QRect strip = UnionOf(canvas, {"EQBTN", "AnalogEQ_DSP"});
    DrawWell(painter, strip.adjusted(-2, -2, 2, 2), Palette::Groove, 3);
    // the lower edge meets the playlist dock
    painter.fillRect(QRect(0, size.height() - 2, size.width(), 1), Palette::Seam);
    painter.fillRect(QRect(0, size.height() - 1, size.width(), 1), Palette::Outline);
    painter.end();

    PrintAfter(face, canvas.Placement("SRINFO"), "KHZ", Palette::AccentDim);
    PrintAfter(face, canvas.Placement("BRINFO"), "KBPS", Palette::AccentDim);
    PrintBefore(face, canvas.Placement("balanceSlider"), "BAL", Palette::Print);
    PrintBefore(face, canvas.Placement("SpeedSlider"), "SPD", Palette::Print);
    const QRect sleep = canvas.Placement("SleepTime");
    QPainter moon(&face);
    DrawPictogram(moon, Pictogram::Moon, QRectF(sleep.left() - 12, sleep.top(), 9, 9),
                  Palette::AccentDim);
    return face;
}

// One drawn frame as tall as the face, one middle tile and the bottom panel;
// the bar pieces are cut from its sides so their corners and edges line up
// with the face above and the bottom panel below.
void PaintBars(TSkinCanvas& canvas) {
    const QRect top = canvas.Texture("LEFTTOPBAR"), middle = canvas.Texture("LEFTCENTER"),
                bottom = canvas.Texture("LEFTBOTBAR");
    const int bar = top.width();
    const int width = 2 * bar + canvas.Texture("MainForm").width();
    const int height = top.height() + middle.height() + bottom.height();
    QImage frame = NewPicture(QSize(width, height), Palette::BarBody);
    QPainter painter(&frame);
    FillGradient(painter, QRect(1, 0, bar - 2, height), Palette::BarBody.lighter(112),
                 Palette::BarBody);
    FillGradient(painter, QRect(width - bar + 1, 0, bar - 2, height),
                 Palette::BarBody.lighter(112), Palette::BarBody);
    painter.fillRect(QRect(bar - 1, 0, 1, height), Palette::Seam);
    painter.fillRect(QRect(width - bar, 0, 1, height), Palette::Seam);
    painter.end();
    PaintFrame(frame, frame.rect(), bar);
    const QString sides[] = {"LEFT", "RIGHT"};
    for (int side = 0; side < 2; ++side) {
        const int x = side == 0 ? 0 : width - bar;
        canvas.PutTexture(sides[side] + "TOPBAR", Crop(frame, QRect(x, 0, bar, top.height())));
        canvas.PutTexture(sides[side] + "CENTER",
                          Crop(frame, QRect(x, top.height(), bar, middle.height())));
        canvas.PutTexture(sides[side] + "BOTBAR",
                          Crop(frame, QRect(x, height - bottom.height(), bar, bottom.height())));
    }
}

QImage PaintTopPanel(TSkinCanvas& canvas, QSize size) {
    QImage panel = NewPicture(size, Palette::FaceBottom);
    QPainter painter(&panel);
    FillGradient(painter, panel.rect(), Palette::Title, Palette::FaceBottom);
    painter.fillRect(QRect(0, 0, size.width(), 1), Palette::BevelLight.darker(120));
    const TColor field = canvas.Document().ReadInteger("SKIN_FONTS", "PlaylistBox_BK", 0);
    DrawWell(painter, canvas.Placement("Playlistbox").adjusted(-1, -1, 1, 1),
             ColorToQColor(field), 2);
    painter.fillRect(QRect(0, size.height() - 1, size.width(), 1), Palette::Seam);
    return panel;
}

QImage PaintTabStrip(QSize size) {
    QImage strip = NewPicture(size, Palette::Groove);
    QPainter painter(&strip);
    FillGradient(painter, strip.rect(), Palette::Groove, Palette::Title);
    painter.fillRect(QRect(0, size.height() - 1, size.width(), 1), Palette::AccentDim.darker(160));
    return strip;
}

QImage PaintBottomPanel(TSkinCanvas& canvas, QSize size) {
    QImage panel = NewPicture(size, Palette::FaceBottom);
    QPainter painter(&panel);
    FillGradient(painter, panel.rect(), Palette::FaceTop, Palette::FaceBottom);
    painter.fillRect(QRect(0, 0, size.width(), 1), Palette::Seam);
    painter.fillRect(QRect(0, 1, size.width(), 1), Palette::BevelLight.darker(115));
    painter.fillRect(QRect(0, size.height() - 2, size.width(), 1), Palette::BevelDark);
    painter.fillRect(QRect(0, size.height() - 1, size.width(), 1), Palette::Outline);
    const QRect count = canvas.Placement("CountLabel"), length = canvas.Placement("LengthLabel"),
                bytes = canvas.Placement("SizeLabel");
    DrawWell(painter, (count | length | bytes).adjusted(-4, -2, 4, 1), Palette::Lcd, 3);
    for (const QRect& right : {count, length})
        painter.fillRect(QRect(right.right() + 1, right.top() + 2, 1, right.height() - 4),
                         Palette::LcdGrid);
    return panel;
}

} // namespace

void PaintMainAreas(TSkinCanvas& canvas) {
    canvas.AddArea("Main", "MainForm", PaintFace(canvas, canvas.Texture("MainForm").size()));
    canvas.AddArea("TopPanel", "TopPanel",
                   PaintTopPanel(canvas, canvas.Texture("TopPanel").size()));
    canvas.AddArea("TabCtrl", "TabCtrl", PaintTabStrip(canvas.Texture("TabCtrl").size()));
    canvas.AddArea("PlsCtrl", "plsctrl", PaintBottomPanel(canvas, canvas.Texture("plsctrl").size()));
    PaintBars(canvas);
}
