#include <QPainter>

#include "skingen/OtherAreas.h"
#include "skingen/Pictograms.h"
#include "skingen/PixelFont.h"
#include "skingen/SkinCanvas.h"
#include "skingen/SkinPalette.h"
#include "skingen/Surfaces.h"

namespace {

QImage Panel(QSize size) {
    QImage panel(size, QImage::Format_RGB32);
    QPainter painter(&panel);
    FillGradient(painter, panel.rect(), Palette::FaceTop, Palette::FaceBottom);
    return panel;
}

QImage PaintInfo(TSkinCanvas& canvas, QSize size) {
    QImage panel = Panel(size);
    QPainter painter(&panel);
    // the scrolling title's place is read from "SKIN_RECTS"
    DrawWell(painter, canvas.Texture("trayrs").adjusted(-3, -1, 3, 1), Palette::Lcd, 2);
    QRect lcd;
    for (const char* key : {"traystatus", "traytime", "traykhz", "traykbps", "TraySleepTime"})
        lcd |= canvas.Placement(QLatin1String(key));
    DrawWell(painter, lcd.adjusted(-4, -2, 4, 2), Palette::Lcd, 3);
    const QRect sleep = canvas.Placement("TraySleepTime");
    DrawPictogram(painter, Pictogram::Moon, QRectF(sleep.left() - 11, sleep.top(), 9, 9),
                  Palette::AccentDim);
    painter.end();
    for (const auto& [key, word] : {std::pair{"traykhz", "KHZ"}, std::pair{"traykbps", "KBPS"}}) {
        const QRect r = canvas.Placement(QLatin1String(key));
        DrawTinyText(panel, QPoint(r.right() + 4, r.bottom() - 5), QLatin1String(word),
                     Palette::AccentDim);
    }
    PaintFrame(panel, panel.rect(), 5);
    return panel;
}

QImage PaintControls(TSkinCanvas& canvas, QSize size) {
    QImage panel = Panel(size);
    QPainter painter(&panel);
    // grooves between transport, volume and the window buttons
    const int cuts[] = {(canvas.Placement("trayopen").right() + canvas.Placement("trayvol").left()) / 2,
                        (canvas.Placement("trayrc").right() + canvas.Placement("trayroll").left()) / 2};
    for (int x : cuts) {
        painter.fillRect(QRect(x, 5, 1, size.height() - 10), Palette::Seam);
        painter.fillRect(QRect(x + 1, 5, 1, size.height() - 10), Palette::BevelLight.darker(130));
    }
    DrawWell(painter, (canvas.Placement("traylc") | canvas.Placement("trayrc")).adjusted(-1, -1, 1, 1),
             Palette::Lcd, 1);
    painter.end();
    PaintFrame(panel, panel.rect(), 5);
    return panel;
}

} // namespace

void PaintTrayAreas(TSkinCanvas& canvas) {
    canvas.AddArea("TrayInfo", "trayinfo", PaintInfo(canvas, canvas.Texture("trayinfo").size()));
    canvas.AddArea("TrayCtrl", "trayctrl",
                   PaintControls(canvas, canvas.Texture("trayctrl").size()));
}
