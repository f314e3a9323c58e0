#include "compiler/MainMask.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

#include <QPainter>
#include <QWidget>

#include "compiler/MemberBytes.h"
#include "compiler/SectionsWriter.h"
#include "controls/PreviewPainting.h"
#include "controls/VESK_SE_Panel.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKDraw.h"
#include "graphics/VESKMask.h"
#include "graphics/VESKRect.h"
#include "storage/VESKCustomFile.h"
#include "text/SkinProject.h"

namespace {

const QString kMask = QStringLiteral("SKIN_MASK");
const QString kWidths = QStringLiteral("SKIN_WIDTHS");

int Saturated(std::int64_t value) {
    return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

const TVESKSESkin* Skin(const QWidget* control) {
    return qobject_cast<const TVESKSESkin*>(control);
}

int BackgroundHeight(const QWidget* control) {
    const TVESKSESkin* skin = Skin(control);
    return skin ? skin->ImgBackGround().height() : 0;
}

QImage BottomCap(const QWidget* bar) {
    const TVESKSESkin* skin = Skin(bar);
    return skin ? skin->ImgAux2() : QImage();
}

// A fresh picture shows the colour a freshly made bitmap has.
QImage BlankPicture(const TMaskGeometry& geometry) {
    QImage picture(geometry.Width, geometry.Height, QImage::Format_RGB32);
    if (picture.isNull())
        throw std::bad_alloc();
    picture.fill(BlankColor());
    return picture;
}

} // namespace

TMaskGeometry MaskGeometry(const TMainWindowPreview& preview) {
    TMaskGeometry geometry;
    geometry.Width = preview.MainCtrl ? preview.MainCtrl->width() : 0;
    geometry.CenterHeight = BackgroundHeight(preview.Leftbar);
    geometry.Height =
        Saturated(std::int64_t(BackgroundHeight(preview.Main)) + geometry.CenterHeight + 1);
    geometry.BottomHeight = std::max(preview.PlsCtrl ? preview.PlsCtrl->height() : 0,
                                     BottomCap(preview.Leftbar).height());
    return geometry;
}

QImage ComposeMaskPicture(const TMainWindowPreview& preview, const TMaskGeometry& geometry) {
    const int w = geometry.Width;
    const int h = geometry.Height;
    if (w <= 0 || h <= 0 || !preview.MainCtrl)
        return QImage();
    // Only a stranger's package makes a picture this large; refusing it is
    // better than writing a mask that does not fit the window.
    if (w > kMaxCutSide || h > kMaxCutSide || qint64(w) * h > kMaxCutPixels)
        throw std::bad_alloc();

    QImage picture = BlankPicture(geometry);
    preview.MainCtrl->render(&picture);

    // The playlist's bottom panel closes the window at the bottom: the
    // preview's last rows, as many as that panel is high, go over the
    // picture's last rows.
    const int previewHeight = preview.MainCtrl->height();
    QImage bottom = BlankPicture(geometry);
    preview.MainCtrl->render(&bottom, QPoint(0, h - previewHeight));
    const int strip = std::clamp(preview.PlsCtrl ? preview.PlsCtrl->height() : 0, 0, h);

    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect rows(0, h - strip, w, strip);
    painter.drawImage(rows, bottom, rows);
    const QImage leftCap = BottomCap(preview.Leftbar);
    const QImage rightCap = BottomCap(preview.RightBar);
    if (!leftCap.isNull())
        painter.drawImage(0, h - leftCap.height(), leftCap);
    if (!rightCap.isNull())
        painter.drawImage(w - rightCap.width(), h - rightCap.height(), rightCap);
    return picture;
}

TMaskMargins PrepareMask(QImage& picture) {
    TVESKBmp bitmap(picture);
    TMaskMargins margins;
    MakeMask(bitmap, margins.Top, margins.Bottom);
    picture = bitmap.Image();
    return margins;
}

void WriteMaskRects(TSkinProject& project, const TMaskGeometry& geometry) {
    const std::int64_t w = geometry.Width;
    const std::int64_t h = geometry.Height;
    const std::int64_t m = geometry.BottomHeight;
    const std::int64_t c = geometry.CenterHeight;
    auto rect = [w](std::int64_t top, std::int64_t bottom) {
        return TRect{0, Saturated(top), Saturated(w), Saturated(bottom)};
    };
    // Row h - m - 1 belongs to no band.
    project.WriteRect(kMask, QStringLiteral("TopRect"), rect(0, h - m - c - 1));
    project.WriteRect(kMask, QStringLiteral("CenterRect"), rect(h - m - c - 1, h - m - 1));
    project.WriteRect(kMask, QStringLiteral("BottomRect"), rect(h - m, h));
}

TMaskMargins BuildMainMask(const TMainWindowPreview& preview, TSkinProject& project,
                           TVESKCustomFile& package) {
    const TMaskGeometry geometry = MaskGeometry(preview);
    QImage picture = ComposeMaskPicture(preview, geometry);
    WriteMaskRects(project, geometry);
    const TMaskMargins margins = PrepareMask(picture);
    AddMember(package, QStringLiteral("mask.bmp"), BitmapFileBytes(picture));
    return margins;
}

void WriteMaskMargins(TSkinProject& project, const TMaskMargins& margins) {
    project.WriteInteger(kMask, QStringLiteral("Top"), margins.Top);
    project.WriteInteger(kMask, QStringLiteral("Bottom"), margins.Bottom);
    const int left = project.ReadInteger(kWidths, QStringLiteral("BARSIZE"), 0);
    project.WriteInteger(kMask, QStringLiteral("Left"), left);
    // Only the key's existence counts: "BARSIZER=0" gives a right bar of 0.
    const int right = project.ValueExists(kWidths, QStringLiteral("BARSIZER"))
                          ? project.ReadInteger(kWidths, QStringLiteral("BARSIZER"), 0)
                          : left;
    project.WriteInteger(kMask, QStringLiteral("Right"), right);
}
