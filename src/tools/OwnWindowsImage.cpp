#include "tools/OwnWindowsImage.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

int StackLevel(const QWidget* window) {
    if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
        return 3;
    if (window == QApplication::activeModalWidget())
        return 2;
    return window == QApplication::activeWindow() ? 1 : 0;
}

} // namespace

QImage OwnWindowsImage(const QRect& area) {
    QImage result(area.size(), QImage::Format_RGB32);
    if (result.isNull())
        return result;
    result.fill(Qt::black);
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !widget->isMinimized())
            windows.push_back(widget);
    std::stable_sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
        return StackLevel(a) < StackLevel(b);
    });

    QPainter painter(&result);
    for (QWidget* window : windows) {
        const QRect placed(window->mapToGlobal(QPoint(0, 0)), window->size());
        const QRect part = placed & area;
        if (part.isEmpty())
            continue;
        window->render(&painter, part.topLeft() - area.topLeft(),
                       QRegion(part.translated(-placed.topLeft())),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return result;
}
