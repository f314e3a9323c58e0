#pragma once

#include <QImage>
#include <QString>
#include <vector>

// A labelled overview of the skin's pictures, each scaled up without
// smoothing so single pixels stay visible.
struct TSheetItem {
    QString Caption;
    QImage Picture;
    int Column; // items fill their column from the top
};

QImage PaintContactSheet(const QString& title, const std::vector<TSheetItem>& items, int scale);
