#pragma once

#include <QImage>
#include <QSpinBox>
#include <QTest>

#include "tools/SPImageEditor.h"

Q_DECLARE_METATYPE(TRect)

inline char* toString(const TRect& r) {
    return QTest::toString(
        QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom));
}

// No two pixels alike, so a stray or missing inversion shows anywhere; no
// pixel is key colour.
inline QImage TestImage(int width = 64, int height = 48) {
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4 % 256, y * 5 % 256, (255 - x - y) & 0xFF));
    return image;
}

template <class T> T* Child(QObject& owner, const char* name) {
    auto* child = owner.findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(child);
    return child;
}

inline QSpinBox* Edit(TRectSelecter& dialog, const char* name) {
    return Child<QSpinBox>(dialog, name);
}

inline TRect Edits(TRectSelecter& dialog) {
    return {Edit(dialog, "X1Edit")->value(), Edit(dialog, "Y1Edit")->value(),
            Edit(dialog, "X2Edit")->value(), Edit(dialog, "Y2Edit")->value()};
}

inline QImage Grab(TRectSelecter& dialog) {
    return Child<QWidget>(dialog, "PBox")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A selecter driven directly, without a modal loop, on the sheet unenlarged
// (the sheet zoom outlives a run, as the user's habit does).
struct TOpenSelecter {
    TRectSelecter Dialog;
    TOpenSelecter(const TRect& rect, bool locked, const QImage& image = TestImage(),
                  int sheetZoom = 1) {
        Dialog.setWindowState(Qt::WindowNoState);
        Dialog.resize(640, 400);
        Dialog.Prepare(image, rect, locked);
        Dialog.show();
        Dialog.SetSheetZoom(sheetZoom);
    }
    QWidget* Box() { return Child<QWidget>(Dialog, "PBox"); }
};
