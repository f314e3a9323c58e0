#include "skingen/Previews.h"

#include <QPainter>

#include "skingen/SamplePlaylist.h"
#include "skingen/SkinCanvas.h"
#include "skingen/SkinPalette.h"
#include "storage/SkinVocabulary.h"

namespace {

QImage Cut(TSkinWindowSource& s, const QString& section, const QString& key) {
    const QRect r = s.Document->ReadRect(section, key, TRect{}).ToQRect();
    return r.isEmpty() ? QImage() : Crop(s.Bitmap, r);
}

QRect Bounds(TSkinWindowSource& s, const QString& key) {
    return s.Document->ReadRect("SKIN_OBJS", key, TRect{}).ToQRect();
}

// The key colour is transparent wherever the editor draws "transparently".
QImage Keyed(const QImage& image) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            if (keyed.pixelColor(x, y) == Palette::Key)
                keyed.setPixelColor(x, y, Qt::transparent);
    return keyed;
}

// The top piece, the bottom piece, and the middle repeated between them.
QImage ThreeParts(const QImage& top, const QImage& middle, const QImage& bottom, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (int y = 0; middle.height() > 0 && y < size.height(); y += middle.height())
        painter.drawImage(0, y, middle);
    painter.drawImage(0, 0, top);
    painter.drawImage(0, size.height() - bottom.height(), bottom);
    return image;
}

QImage SliderPicture(TSkinWindowSource& s, const QString& key, QSize size, bool vertical,
                     bool opaqueThumb, qreal position) {
    QImage image = Cut(s, "SKIN_RECTS", key + "_BK").copy(QRect(QPoint(), size));
    const QImage filled = Cut(s, "SKIN_RECTS", key + "_BKS");
    const QImage thumb = Cut(s, "SKIN_RECTS", key + "_THM");
    QPainter painter(&image);
    const int w = size.width(), h = size.height();
    if (vertical) {
        const int at = int(h * (1 - position));
        painter.drawImage(QRect(0, at, w, h - at), filled, QRect(0, at, w, h - at));
        const QPoint knob(0, at - thumb.height() / 2);
        painter.drawImage(knob, opaqueThumb ? thumb : Keyed(thumb));
    } else {
        const int at = int(w * position);
        painter.drawImage(QRect(0, 0, at, h), filled, QRect(0, 0, at, h));
        painter.drawImage(QPoint(at - thumb.width() / 2, 0), Keyed(thumb));
    }
    return image;
}

QImage NumericPicture(TSkinWindowSource& s, const TSkinElement& e, QRect& bounds) {
    const QImage strip = Cut(s, "SKIN_NUMERICS", SkinElementKey(e));
    const QString text = QLatin1String(e.DefaultText);
    const int w = strip.width() / e.GlyphCount;
    bounds.setSize(QSize(strip.width() * int(text.size()) / e.GlyphCount, strip.height()));
    QImage image(bounds.size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QString order = "0123456789:- ";
    for (int i = 0; i < text.size(); ++i) {
        const int glyph = std::max(0, int(order.indexOf(text[i])));
        painter.drawImage(QPoint(i * w, 0), Keyed(strip.copy(glyph * w, 0, w, strip.height())));
    }
    return image;
}

// Level meters show their progress texture over the lower half, as a
// vertical strip does in the preview.
QImage MeterPicture(TSkinWindowSource& s, const QString& key) {
    QImage strip = Cut(s, "SKIN_RECTS", key);
    QPainter painter(&strip);
    const QRect lower(0, strip.height() / 2, strip.width(), strip.height() - strip.height() / 2);
    painter.drawImage(lower, Cut(s, "SKIN_RECTS", key + "s"), lower);
    return strip;
}

QString SampleText(const QString& name) {
    static const std::map<QString, QString> samples = {
        {"infobar", "Nordlys - Night Drive (Extended Mix)"},
        {"ititle", "Night Drive"},
        {"iartist", "Nordlys"},
        {"ialbum", "Coastal Lights"},
        {"igenre", "Electronic  |  2019"},
        {"countlabel", "24"},
        {"lengthlabel", "1:32:08"},
        {"sizelabel", "212 MB"},
        {"playlistbox", "Evening playlist"},
        {"dsp", "Reverb Hall"},
        {"trayrs", "Nordlys - Night Drive"},
    };
    const auto it = samples.find(name.toLower());
    return it == samples.end() ? name : it->second;
}

QFont FontOf(TSkinWindowSource& s, const QString& key, QColor& color) {
    TFont font;
    s.Document->ReadFontTo("SKIN_FONTS", key, font);
    color = ColorToQColor(font.Color);
    QFont qfont = GeneratorFont(font);
    qfont.setFamilies({font.Name, "DejaVu Sans"});
    return qfont;
}

void DrawLabel(QPainter& painter, TSkinWindowSource& s, const QString& key, const QRect& box) {
    QColor color;
    painter.save();
    painter.setFont(FontOf(s, key, color));
    painter.setPen(color);
    painter.setClipRect(box);
    painter.drawText(box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, SampleText(key));
    painter.restore();
}

// One element as its control shows it; bounds come back in its container.
QImage ElementPicture(TSkinWindowSource& s, const TSkinElement& e, QRect& bounds, bool samples) {
    const QString key = SkinElementKey(e);
    bounds = Bounds(s, key);
    switch (e.Kind) {
    case ElementKind::PushButton:
        return Cut(s, "SKIN_RECTS", key + "_NRM");
    case ElementKind::ToggleButton:
        return Cut(s, "SKIN_RECTS", key + (samples && key == "SHUFFLE" ? "_CHK" : "_UCH"));
    case ElementKind::NumericDisplay:
        return NumericPicture(s, e, bounds);
    case ElementKind::Spectrum:
    case ElementKind::EqCurve:
        return Cut(s, "SKIN_RECTS", key);
    case ElementKind::TrayStrip:
        return MeterPicture(s, key);
    case ElementKind::MultiDisplay: {
        QImage image(bounds.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        const QImage low = Cut(s, "SKIN_RECTS", "MultiDisplayBTM");
        painter.drawImage(0, 0, Cut(s, "SKIN_RECTS", "MultiDisplayTOP"));
        painter.drawImage(0, image.height() - low.height(), low);
        return image;
    }
    case ElementKind::Slider:
    case ElementKind::EqSlider: {
        const bool vertical = e.Kind == ElementKind::EqSlider;
        const qreal position = samples ? (vertical ? 0.5 : 0.38) : 0.5;
        return SliderPicture(s, key, bounds.size(), vertical, vertical, position);
    }
    default:
        return {};
    }
}

QString ContainerOf(TSkinWindowSource& s, const TSkinElement& e) {
    for (const auto& [name, container] : s.Parents)
        if (name.compare(QLatin1String(e.Name), Qt::CaseInsensitive) == 0)
            return container;
    return QLatin1String(e.Parent);
}

void DrawChildren(QPainter& painter, TSkinWindowSource& s, TSkinWindow window,
                  const QString& container, QPoint origin, bool samples) {
    for (const TSkinElement& e : SkinElements(window)) {
        if (ContainerOf(s, e).compare(container, Qt::CaseInsensitive) != 0)
            continue;
        QRect bounds;
        const QImage picture = ElementPicture(s, e, bounds, samples);
        if (bounds.isEmpty())
            continue;
        if (!picture.isNull())
            painter.drawImage(origin + bounds.topLeft(), picture, QRect(QPoint(), bounds.size()));
        if (samples && (e.Kind == ElementKind::TextLabel || e.Kind == ElementKind::ListBox))
            DrawLabel(painter, s, SkinElementKey(e), bounds.translated(origin));
    }
}

} // namespace

QImage ComposeEqualizer(TSkinWindowSource& source, bool samples) {
    const QImage face = Cut(source, "SKIN_RECTS", "main");
    QImage image(face.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.drawImage(0, 0, face);
    DrawChildren(painter, source, TSkinWindow::Equalizer, "main_", QPoint(), samples);
    return image;
}

QImage ComposeTray(TSkinWindowSource& source, bool samples) {
    const QImage info = Cut(source, "SKIN_RECTS", "trayinfo");
    const QImage controls = Cut(source, "SKIN_RECTS", "trayctrl");
    QImage image(controls.width(), info.height() + controls.height() + 2, QImage::Format_RGB32);
    image.fill(Palette::Seam);
    QPainter painter(&image);
    painter.drawImage(0, 0, info);
    const QPoint low(0, info.height() + 2);
    painter.drawImage(low, controls);
    DrawChildren(painter, source, TSkinWindow::Tray, "TrayInfo", QPoint(), samples);
    DrawChildren(painter, source, TSkinWindow::Tray, "TrayCtrl", low, samples);
    // the scrolling title is placed by its "SKIN_RECTS" rectangle
    if (samples)
        DrawLabel(painter, source, "trayrs",
                  source.Document->ReadRect("SKIN_RECTS", "trayrs", TRect{}).ToQRect());
    return image;
}

QImage ComposeMainWindow(TSkinWindowSource& source, bool samples) {
    TSkinProject& doc = *source.Document;
    const QImage face = Cut(source, "SKIN_RECTS", "MainForm");
    const int left = doc.ReadInteger("SKIN_WIDTHS", "BARSIZE", 0);
    const int right = doc.ValueExists("SKIN_WIDTHS", "BARSIZER")
                          ? doc.ReadInteger("SKIN_WIDTHS", "BARSIZER", 0)
                          : left;
    const QSize size(left + face.width() + right, 2 * face.height());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const QString side : {"LEFT", "RIGHT"}) {
        const int width = side == "LEFT" ? left : right;
        const QImage bar = ThreeParts(Cut(source, "SKIN_RECTS", side + "TOPBAR"),
                                      Cut(source, "SKIN_RECTS", side + "CENTER"),
                                      Cut(source, "SKIN_RECTS", side + "BOTBAR"),
                                      QSize(width, size.height()));
        painter.drawImage(side == "LEFT" ? 0 : size.width() - width, 0, bar);
    }
    painter.drawImage(left, 0, face);
    DrawChildren(painter, source, TSkinWindow::Main, "Main", QPoint(left, 0), samples);
    // the playlist dock: header panels stacked at the top, controls at the bottom
    const QPoint dock(left, face.height());
    int top = 0;
    for (const QString panel : {"TopPanel", "TabCtrl"}) {
        const QImage picture = Cut(source, "SKIN_RECTS", panel);
        painter.drawImage(dock + QPoint(0, top), picture);
        if (samples && panel == "TabCtrl")
            DrawSampleTabs(painter, source, QRect(dock + QPoint(0, top), picture.size()));
        DrawChildren(painter, source, TSkinWindow::Main, panel, dock + QPoint(0, top), samples);
        top += picture.height();
    }
    const QImage controls = Cut(source, "SKIN_RECTS", "plsctrl");
    const QPoint bottom = dock + QPoint(0, face.height() - controls.height());
    painter.drawImage(bottom, controls);
    DrawChildren(painter, source, TSkinWindow::Main, "PlsCtrl", bottom, samples);
    if (samples)
        DrawSamplePlaylist(painter, source,
                           QRect(dock + QPoint(0, top),
                                 QSize(face.width(), face.height() - top - controls.height())));
    return image;
}

QImage BuildMainMask(TSkinWindowSource& source, const QImage& composed) {
    TSkinProject& doc = *source.Document;
    const QImage face = Cut(source, "SKIN_RECTS", "MainForm");
    const QImage centre = Cut(source, "SKIN_RECTS", "LEFTCENTER");
    const QImage leftCap = Cut(source, "SKIN_RECTS", "LEFTBOTBAR");
    const QImage rightCap = Cut(source, "SKIN_RECTS", "RIGHTBOTBAR");
    const int controls = doc.ReadRect("SKIN_RECTS", "plsctrl", TRect{}).Height();
    const int w = composed.width(), h = face.height() + centre.height() + 1;
    QImage picture = composed.copy(0, 0, w, h).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.drawImage(QRect(0, h - controls, w, controls), composed,
                      QRect(0, composed.height() - controls, w, controls));
    painter.drawImage(0, h - leftCap.height(), leftCap);
    painter.drawImage(w - rightCap.width(), h - rightCap.height(), rightCap);
    painter.end();
    QImage mask(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask.setPixelColor(x, y, picture.pixelColor(x, y) == Palette::Key ? Qt::white : Qt::black);
    return mask;
}
