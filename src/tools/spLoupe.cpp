#include "tools/spLoupe.h"

#include <cmath>
#include <exception>

#include <QCursor>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "tools/OwnWindowsImage.h"

namespace {

constexpr int TickInterval = 100;
// A zoom far below 1 would ask for a capture larger than any screen; beyond
// this the picture is only black anyway.
constexpr double MaxSourceExtent = 4096;
constexpr QRgb KeyColor = 0xFFFF00FF;

QImage BlackImage(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

bool IsBlack(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] & 0x00FFFFFF)
                return false;
    }
    return true;
}

// Wayland keeps the screen to the compositor: a grab gives nothing there.
bool ScreenIsPrivate() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

} // namespace

int LoupeSourceExtent(int extent, double zoom) {
    const double source = double(extent) / zoom;
    if (!(source > 0))
        return 0;
    return int(RoundHalfEven(std::min(source, MaxSourceExtent)));
}

TspLoupe::TspLoupe(QWidget* parent) : QWidget(parent) {
    // The control paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
    FTimer.setInterval(TickInterval);
    connect(&FTimer, &QTimer::timeout, this, [this] {
        // A capture that fails now may work on the next tick; an error box
        // ten times a second would help nobody.
        try {
            Tick();
        } catch (const std::exception&) {
        }
    });
}

void TspLoupe::SetActive(bool active) {
    FActive = active;
    if (active)
        FTimer.start();
    else
        FTimer.stop();
}

void TspLoupe::SetZoomLevel(double zoom) {
    FZoomLevel = zoom > 0 ? zoom : 1.0; // NaN fails the comparison too
    FSourceSize =
        QSize(LoupeSourceExtent(width(), FZoomLevel), LoupeSourceExtent(height(), FZoomLevel));
    FCapture = BlackImage(FSourceSize);
}

void TspLoupe::Rebuild() {
    // Keep what was shown where it still fits, so a resize does not flash
    // black until the next capture.
    FView = FView.isNull() ? BlackImage(size()) : FView.copy(QRect(QPoint(0, 0), size()));
    SetZoomLevel(FZoomLevel);
}

void TspLoupe::Tick() {
    if (FView.size() != size())
        Rebuild();
    const QPoint cursor = CursorPos();
    const QPoint centre = FHold ? FHoldPoint : cursor;
    const QPoint origin(centre.x() - FSourceSize.width() / 2,
                        centre.y() - FSourceSize.height() / 2);

    FCapture.fill(Qt::black);
    if (!FSourceSize.isEmpty()) {
        QPainter painter(&FCapture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, Capture(QRect(origin, FSourceSize)));
    }
    if (!FView.isNull()) {
        QPainter painter(&FView);
        if (FCapture.isNull())
            painter.fillRect(FView.rect(), Qt::black);
        else
            painter.drawImage(FView.rect(), FCapture, FCapture.rect());
    }
    if (FShowCross)
        DrawCross(FView);

    if (isSignalConnected(QMetaMethod::fromSignal(&TspLoupe::OnColor))) {
        const QImage pixel = Capture(QRect(cursor, QSize(1, 1)));
        emit OnColor(RgbToColor(pixel.isNull() ? qRgb(0, 0, 0) : pixel.pixel(0, 0)));
    }
    update();
}

// The cross marks the centre point, which the enlarged image always shows in
// the middle of the view, whatever the zoom.
void TspLoupe::DrawCross(QImage& view) const {
    if (view.isNull())
        return;
    const int x = view.width() / 2;
    const int y = view.height() / 2;
    QPainter painter(&view);
    painter.fillRect(QRect(x - 3, y, 7, 1), QColor(KeyColor));
    painter.fillRect(QRect(x, y - 3, 1, 7), QColor(KeyColor));
}

QImage TspLoupe::GrabScreen(const QRect& area) const {
    QImage result = BlackImage(area.size());
    QPainter painter(&result);
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        const QRect part = area & geometry;
        if (part.isEmpty())
            continue;
        const QPixmap pixels = screen->grabWindow(
            0, part.x() - geometry.x(), part.y() - geometry.y(), part.width(), part.height());
        // On a scaled screen the grab comes in device pixels.
        painter.drawPixmap(QRect(part.topLeft() - area.topLeft(), part.size()), pixels);
    }
    return result;
}

QImage TspLoupe::Capture(const QRect& area) const {
    if (ScreenIsPrivate())
        return OwnWindowsImage(area);
    QImage screen = GrabScreen(area).convertToFormat(QImage::Format_RGB32);
    if (!IsBlack(screen))
        return screen;
    QImage own = OwnWindowsImage(area);
    return own.isNull() || IsBlack(own) ? screen : own;
}

QPoint TspLoupe::CursorPos() const {
    return QCursor::pos();
}

void TspLoupe::paintEvent(QPaintEvent* event) {
    if (FView.size() != size())
        Rebuild();
    QPainter painter(this);
    painter.drawImage(event->rect(), FView, event->rect());
}
