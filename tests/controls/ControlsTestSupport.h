#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

// Pixels of the controls as the save and the colour-scheme preview take
// them: QWidget::render into an image that starts in a colour no control
// paints, so untouched pixels show.
namespace ControlsTest {

constexpr QRgb kUntouched = 0xFF010203;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kMagenta = 0xFFFF00FF;

inline QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(kUntouched);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QImage Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A texture whose every pixel differs from its neighbours and from black,
// white and green.
inline QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(10 + x * 3, 20 + y * 3, 200));
    return image;
}

// One character per pixel of a row or column: '#' black, 'g' green, '.'
// anything else. Readable expectations for outlines and frames.
inline QString Row(const QImage& image, int y) {
    QString text;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        text += p == kBlack ? QLatin1Char('#') : p == kGreen ? QLatin1Char('g') : QLatin1Char('.');
    }
    return text;
}

inline QString Column(const QImage& image, int x) {
    QString text;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(x, y);
        text += p == kBlack ? QLatin1Char('#') : p == kGreen ? QLatin1Char('g') : QLatin1Char('.');
    }
    return text;
}

} // namespace ControlsTest
