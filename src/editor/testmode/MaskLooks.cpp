#include "editor/testmode/MaskLooks.h"

#include <algorithm>
#include <exception>

#include <QPainter>
#include <QPaintEvent>

#include "compiler/MainMask.h"
#include "compiler/MaskCheck.h"
#include "compiler/SectionsWriter.h"
#include "editor/PreviewTrees.h"
#include "graphics/VESKDraw.h"


namespace {

// Small squares: the cut parts of a window are often corners a few pixels
// wide, where larger squares would show one colour only.
constexpr int kSquare = 2;
constexpr QRgb kLight = 0xFFFFFFFF;
constexpr QRgb kDark = 0xFFC8C8C8;

bool CutAway(const QImage& mask, int x, int y) {
    return (mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}

} // namespace

int MaskRowFor(int y, int windowHeight, int maskHeight, int bottomHeight, int centerHeight) {
    const int topEnd = maskHeight - bottomHeight - centerHeight - 1;
    if (y >= windowHeight - bottomHeight) {
        const int row = y - (windowHeight - maskHeight);
        return row >= 0 && row < maskHeight ? row : -1;
    }
    if (y < topEnd)
        return y;
    if (centerHeight <= 0 || topEnd < 0)
        return -1;
    return topEnd + (y - topEnd) % centerHeight;
}

QImage MaskCheckerboard(const TPreviewTrees& trees) {
    const TMainWindowPreview preview = MainWindowPreviewOf(trees);
    if (!preview.MainCtrl)
        return QImage();
    QImage mask;
    TMaskGeometry geometry;
    try {
        geometry = MaskGeometry(preview);
        mask = ComposeMaskPicture(preview, geometry);
        if (mask.isNull())
            return QImage();
        PrepareMask(mask);
    } catch (const std::exception&) {
        // A window too large for a mask is shown uncut.
        return QImage();
    }
    const QSize size = preview.MainCtrl->size();
    if (qint64(size.width()) * size.height() > kMaxCutPixels)
        return QImage();
    QImage board(size, QImage::Format_ARGB32_Premultiplied);
    if (board.isNull())
        return board;
    board.fill(Qt::transparent);
    bool anyCut = false;
    for (int y = 0; y < size.height(); ++y) {
        const int row = MaskRowFor(y, size.height(), geometry.Height, geometry.BottomHeight,
                                   geometry.CenterHeight);
        if (row < 0)
            continue;
        auto* line = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = 0; x < std::min(size.width(), mask.width()); ++x)
            if (CutAway(mask, x, row)) {
                line[x] = ((x / kSquare + y / kSquare) % 2) ? kDark : kLight;
                anyCut = true;
            }
    }
    return anyCut ? board : QImage();
}

TMaskOverlay::TMaskOverlay(const QImage& checkerboard, QWidget* parent)
    : QWidget(parent), FCheckerboard(checkerboard) {
    setObjectName(QStringLiteral("TestModeMask"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(QRect(QPoint(0, 0), checkerboard.size()));
    raise();
    show();
}

void TMaskOverlay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), FCheckerboard, event->rect());
}
