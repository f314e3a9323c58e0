#include "editor/testmode/EqCurveLooks.h"

#include <QPainter>
#include <QPolygon>

#include "editor/testmode/SliderLooks.h"

QImage DrawEqCurve(const QImage& background, const std::vector<int>& values, const QColor& line,
                   const QColor& point) {
    QImage face = background.copy();
    if (face.isNull() || values.empty())
        return face;
    const int w = face.width(), h = face.height();
    QPolygon curve;
    for (size_t i = 0; i < values.size(); ++i) {
        const int x = values.size() > 1 ? int(qint64(w - 1) * qint64(i) / qint64(values.size() - 1)) : 0;
        const int y = int(qint64(h - 1) * (kSliderRange - values[i]) / kSliderRange);
        curve << QPoint(x, y);
    }
    QPainter painter(&face);
    painter.setPen(line);
    painter.drawPolyline(curve);
    for (const QPoint& at : curve)
        painter.fillRect(at.x() - 1, at.y() - 1, 3, 3, point);
    return face;
}
