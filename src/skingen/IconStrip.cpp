#include "skingen/IconStrip.h"

#include <QPainter>

#include "skingen/Pictograms.h"
#include "skingen/SkinPalette.h"

namespace {

using P = Pictogram;

struct TIcon {
    P Sign;
    bool Accent;
};

// In the order menus tend to need them: playback first, then files and the
// playlist, windows, tools and the rest.
constexpr TIcon Icons[] = {
    {P::Play, true},      {P::Pause, true},       {P::Stop, true},       {P::Prev, true},
    {P::Next, true},      {P::Eject, false},      {P::Record, false},    {P::Repeat, false},
    {P::Shuffle, false},  {P::Speaker, false},    {P::Mute, false},      {P::File, false},
    {P::Folder, false},   {P::Save, false},       {P::Plus, false},      {P::Minus, false},
    {P::Close, false},    {P::Check, true},       {P::Search, false},    {P::Sort, false},
    {P::List, false},     {P::Dots, false},       {P::Gear, false},      {P::Question, false},
    {P::Info, true},      {P::Pin, false},        {P::Moon, false},      {P::Eye, false},
    {P::Copy, false},     {P::Trash, false},      {P::Edit, false},      {P::Tag, false},
    {P::Note, true},      {P::Disc, false},       {P::Radio, false},     {P::Equalizer, true},
    {P::Spectrum, true},  {P::Star, true},        {P::Heart, false},     {P::Clock, false},
    {P::Globe, false},    {P::Refresh, false},    {P::Download, false},  {P::ArrowUp, false},
    {P::ArrowDown, false}, {P::Menu, false},      {P::Palette, true},    {P::Lock, false},
    {P::Headphones, false}, {P::Home, false},
};
static_assert(std::size(Icons) == 50);

constexpr int Side = 16;

} // namespace

QImage PaintIconStrip(const QColor& gutter) {
    QImage ink(Side * int(std::size(Icons)), Side, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter painter(&ink);
        for (int i = 0; i < int(std::size(Icons)); ++i) {
            QColor color = Icons[i].Accent ? Palette::Accent : Palette::Text;
            if (Icons[i].Sign == P::Record)
                color = Palette::Record;
            DrawPictogram(painter, Icons[i].Sign, QRectF(i * Side + 1, 1, Side - 2, Side - 2), color);
        }
    }
    QImage strip(ink.size(), QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            const QColor c = ink.pixelColor(x, y);
            if (c.alpha() < 48) {
                strip.setPixelColor(x, y, Palette::Key);
                continue;
            }
            const qreal a = c.alphaF();
            strip.setPixelColor(x, y, QColor::fromRgbF(c.redF() * a + gutter.redF() * (1 - a),
                                                       c.greenF() * a + gutter.greenF() * (1 - a),
                                                       c.blueF() * a + gutter.blueF() * (1 - a)));
        }
    return strip;
}

QImage IconsOnGround(const QImage& strip, const QColor& ground) {
    QImage shown = strip.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y) == Palette::Key)
                shown.setPixelColor(x, y, ground);
    return shown;
}
