#include <QPainter>

#include "skingen/OtherAreas.h"
#include "skingen/PixelFont.h"
#include "skingen/SkinCanvas.h"
#include "skingen/SkinPalette.h"
#include "skingen/Surfaces.h"

namespace {

// Centre frequencies of the eighteen bands, as printed under their sliders.
const char* const BandNames[] = {"55",  "77",  "110", "156", "220", "311", "440", "622", "880",
                                 "1K2", "1K8", "2K5", "3K5", "5K",  "7K",  "10K", "14K", "20K"};
const char* const EffectNames[][2] = {{"balance", "BAL"}, {"speed", "SPD"},   {"echo", "ECH"},
                                      {"reverb", "REV"},  {"flanger", "FLG"}, {"chorus", "CHR"}};

QRect Band(TSkinCanvas& canvas, int i) {
    return canvas.Placement(QStringLiteral("VESKSlider%1").arg(i + 1));
}

void PaintCurveDisplay(QPainter& painter, TSkinCanvas& canvas) {
    const QRect vis = canvas.Placement("EQVIS");
    DrawWell(painter, vis, Palette::Lcd, 3);
    const QRect inner = vis.adjusted(2, 2, -2, -2);
    for (int i = 0; i < 18; ++i) {
        const int x = Band(canvas, i).center().x();
        if (x > inner.left() && x < inner.right())
            painter.fillRect(QRect(x, inner.top() + 1, 1, inner.height() - 2), Palette::LcdGrid);
    }
    for (int y : {inner.top() + inner.height() / 4, inner.top() + 3 * inner.height() / 4})
        painter.fillRect(QRect(inner.left(), y, inner.width(), 1), Palette::LcdGrid);
    painter.fillRect(QRect(inner.left(), inner.center().y(), inner.width(), 1),
                     Palette::AccentDim.darker(170));
}

// The bed behind the sliders is one flat colour, so every slider can share
// one track texture.
QRect SliderBed(TSkinCanvas& canvas) {
    QRect bed = canvas.Placement("PREAMP");
    for (const TSkinElement& e : SkinElements(TSkinWindow::Equalizer))
        if (e.Kind == ElementKind::EqSlider)
            bed |= canvas.Placement(SkinElementKey(e));
    return bed.adjusted(-6, -3, 6, 17);
}

// Neighbouring sliders stand closer than a name is wide, so the names take
// turns on two lines, each with a tick up to its slider.
void PrintScale(QImage& face, TSkinCanvas& canvas) {
    auto printUnder = [&](const QString& key, const QString& word, int line) {
        const QRect r = canvas.Placement(key);
        const int x = r.center().x();
        for (int y = r.bottom() + 2; y < r.bottom() + 3 + 6 * line; ++y)
            face.setPixelColor(x, y, Palette::Seam.lighter(160));
        DrawTinyTextCentered(face, QRect(x - 8, r.bottom() + 3 + 6 * line, 17, 5), word,
                             Palette::Print);
    };
    printUnder("PREAMP", "PRE", 0);
    for (int i = 0; i < 18; ++i)
        printUnder(QStringLiteral("VESKSlider%1").arg(i + 1), QLatin1String(BandNames[i]), i % 2);
    int line = 0;
    for (const auto& effect : EffectNames)
        printUnder(QLatin1String(effect[0]), QLatin1String(effect[1]), line++ % 2);
}

// Gain marks beside the curve display, for its top, middle and bottom.
void PrintGain(QImage& face, TSkinCanvas& canvas) {
    const QRect vis = canvas.Placement("EQVIS");
    const int right = vis.left() - 3;
    const struct {
        const char* Word;
        int Y;
    } marks[] = {{"+12", vis.top() + 3}, {"0", vis.center().y() - 2}, {"-12", vis.bottom() - 7}};
    for (const auto& m : marks)
        DrawTinyText(face, QPoint(right - TinyTextWidth(QLatin1String(m.Word)), m.Y),
                     QLatin1String(m.Word), Palette::Print);
}

} // namespace

void PaintEqualizerAreas(TSkinCanvas& canvas) {
    const QSize size = canvas.Texture("main").size();
    QImage face(size, QImage::Format_RGB32);
    face.fill(Palette::FaceBottom);
    QPainter painter(&face);
    FillGradient(painter, face.rect(), Palette::FaceTop, Palette::FaceBottom);
    const int titleBottom = canvas.Document().ReadInteger("SKIN_WIDTH", "BorderT", 20) - 2;
    painter.fillRect(QRect(0, 2, size.width(), titleBottom - 2), Palette::Title);
    painter.fillRect(QRect(0, titleBottom, size.width(), 1), Palette::Seam);
    painter.fillRect(QRect(0, titleBottom + 1, size.width(), 1), Palette::BevelLight.darker(115));
    PaintCurveDisplay(painter, canvas);
    const TColor dsp = canvas.Document().ReadInteger("SKIN_FONTS", "DSP_BK", 0);
    DrawWell(painter, canvas.Placement("DSP"), ColorToQColor(dsp), 3);
    const QRect bed = SliderBed(canvas);
    DrawWell(painter, bed, Palette::Groove, 3);
    // Dividers keep preamplifier, bands and effects apart.
    const int preampRight = canvas.Placement("PREAMP").right();
    const int bandsRight = Band(canvas, 17).right();
    for (int x : {(preampRight + Band(canvas, 0).left()) / 2,
                  (bandsRight + canvas.Placement("balance").left()) / 2})
        painter.fillRect(QRect(x, bed.top() + 3, 1, bed.height() - 6), Palette::Seam);
    painter.end();
    PaintFrame(face, face.rect(), 6);
    DrawTinyTextCentered(face, QRect(0, 2, size.width(), titleBottom - 2), "EQUALIZER",
                         Palette::Print);
    PrintScale(face, canvas);
    PrintGain(face, canvas);
    canvas.AddArea("main_", "main", face);
}
