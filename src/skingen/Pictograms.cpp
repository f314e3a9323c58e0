#include "skingen/Pictograms.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

using Points = std::initializer_list<QPointF>;

QPainterPath Polygon(Points points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Box(qreal x, qreal y, qreal w, qreal h, qreal radius = 0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath Polyline(Points points) {
    QPainterPath path;
    bool first = true;
    for (QPointF p : points) {
        if (first)
            path.moveTo(p);
        else
            path.lineTo(p);
        first = false;
    }
    return path;
}

QPainterPath Arc(QRectF box, qreal startDegrees, qreal sweepDegrees) {
    QPainterPath path;
    path.arcMoveTo(box, startDegrees);
    path.arcTo(box, startDegrees, sweepDegrees);
    return path;
}

// Everything is drawn as filled outlines, so one colour and one fill rule
// cover strokes and shapes alike.
QPainterPath Stroke(const QPainterPath& path, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

QPainterPath Gear() {
    QPainterPath teeth = Circle({8, 8}, 4.6);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(8, 8);
        t.rotate(i * 45.0);
        teeth = teeth.united(t.map(Box(-1.3, -7, 2.6, 3.5, 0.6)));
    }
    return teeth.subtracted(Circle({8, 8}, 2.0));
}

QPainterPath Star() {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 ? 2.9 : 6.6;
        star << QPointF(8 + r * std::cos(a), 8.6 + r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(star);
    path.closeSubpath();
    return path;
}

QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(8, 13.5);
    path.cubicTo(1, 8.5, 1.5, 2.5, 5.2, 2.8);
    path.cubicTo(6.8, 3, 7.6, 4.2, 8, 5.2);
    path.cubicTo(8.4, 4.2, 9.2, 3, 10.8, 2.8);
    path.cubicTo(14.5, 2.5, 15, 8.5, 8, 13.5);
    return path;
}

QPainterPath SpeakerBody() {
    return Polygon({{1.8, 6}, {4.6, 6}, {8.4, 2.6}, {8.4, 13.4}, {4.6, 10}, {1.8, 10}});
}

QPainterPath Arrowheads(Points tips) {
    QPainterPath path;
    for (QPointF tip : tips)
        path = path.united(Polygon({tip + QPointF(-3, -2.3), tip, tip + QPointF(-3, 2.3)}));
    return path;
}

QPainterPath Transport(Pictogram sign) {
    switch (sign) {
    case Pictogram::Play:
        return Polygon({{4.5, 2.5}, {13, 8}, {4.5, 13.5}});
    case Pictogram::Pause:
        return Box(4, 3, 3, 10, 0.5).united(Box(9, 3, 3, 10, 0.5));
    case Pictogram::Stop:
        return Box(3.5, 3.5, 9, 9, 1);
    case Pictogram::Prev:
        return Box(3, 3, 2, 10, 0.4).united(Polygon({{13, 3}, {5.5, 8}, {13, 13}}));
    case Pictogram::Next:
        return Polygon({{3, 3}, {10.5, 8}, {3, 13}}).united(Box(11, 3, 2, 10, 0.4));
    case Pictogram::Eject:
        return Polygon({{8, 2.5}, {13.5, 8.5}, {2.5, 8.5}}).united(Box(2.5, 10.5, 11, 2.4, 0.4));
    case Pictogram::Record:
        return Circle({8, 8}, 4.6);
    default:
        return {};
    }
}

QPainterPath Modes(Pictogram sign) {
    switch (sign) {
    case Pictogram::Repeat: {
        QPainterPath upper = Polyline({{3.5, 9.5}, {3.5, 5}, {11, 5}});
        QPainterPath lower = Polyline({{12.5, 6.5}, {12.5, 11}, {5, 11}});
        QPainterPath path = Stroke(upper, 1.6).united(Stroke(lower, 1.6));
        path = path.united(Polygon({{10.5, 2.4}, {13.8, 5}, {10.5, 7.6}}));
        path = path.united(Polygon({{5.5, 8.4}, {2.2, 11}, {5.5, 13.6}}));
        return path;
    }
    case Pictogram::Shuffle: {
        QPainterPath a = Polyline({{2, 11.5}, {5.5, 11.5}, {9.5, 4.5}, {11.5, 4.5}});
        QPainterPath b = Polyline({{2, 4.5}, {5.5, 4.5}, {9.5, 11.5}, {11.5, 11.5}});
        QPainterPath path = Stroke(a, 1.5).united(Stroke(b, 1.5));
        path = path.united(Arrowheads({{14.2, 4.5}, {14.2, 11.5}}));
        return path;
    }
    case Pictogram::Speaker: {
        QPainterPath path = SpeakerBody();
        path = path.united(Stroke(Arc(QRectF(6.5, 5.2, 5.6, 5.6), -55, 110), 1.3));
        path = path.united(Stroke(Arc(QRectF(5.8, 2.4, 9.6, 11.2), -55, 110), 1.3));
        return path;
    }
    case Pictogram::Mute: {
        QPainterPath path = SpeakerBody();
        path = path.united(Stroke(Polyline({{10.5, 5.8}, {14.5, 10.2}}), 1.5));
        path = path.united(Stroke(Polyline({{14.5, 5.8}, {10.5, 10.2}}), 1.5));
        return path;
    }
    case Pictogram::Radio: {
        QPainterPath path = Circle({8, 7.5}, 1.6);
        path = path.united(Stroke(Polyline({{8, 8}, {8, 14}}), 1.5));
        for (qreal r : {3.6, 6.2}) {
            const QRectF box(8 - r, 7.5 - r, 2 * r, 2 * r);
            path = path.united(Stroke(Arc(box, 135, 90), 1.3));
            path = path.united(Stroke(Arc(box, -45, 90), 1.3));
        }
        return path;
    }
    case Pictogram::Moon:
        return Circle({7.5, 8.5}, 5.8).subtracted(Circle({11, 5.5}, 4.6));
    case Pictogram::Pin:
        return Polygon({{5, 2}, {11, 2}, {10, 3.2}, {10, 6.8}, {12.2, 9}, {3.8, 9}, {6, 6.8},
                        {6, 3.2}})
            .united(Stroke(Polyline({{8, 9}, {8, 14}}), 1.3));
    case Pictogram::Eye: {
        QPainterPath almond;
        almond.moveTo(1.2, 8);
        almond.quadTo(8, 0.8, 14.8, 8);
        almond.quadTo(8, 15.2, 1.2, 8);
        QPainterPath path = almond.subtracted(Circle({8, 8}, 2.9));
        path = path.united(Circle({8, 8}, 1.4));
        return path;
    }
    default:
        return {};
    }
}

QPainterPath Actions(Pictogram sign) {
    switch (sign) {
    case Pictogram::Plus:
        return Box(6.9, 2.5, 2.2, 11, 0.4).united(Box(2.5, 6.9, 11, 2.2, 0.4));
    case Pictogram::Minus:
        return Box(2.5, 6.9, 11, 2.2, 0.4);
    case Pictogram::Close:
        return Stroke(Polyline({{4, 4}, {12, 12}}), 2.1)
            .united(Stroke(Polyline({{12, 4}, {4, 12}}), 2.1));
    case Pictogram::Check:
        return Stroke(Polyline({{3, 8.5}, {6.5, 12}, {13, 4.5}}), 2.1);
    case Pictogram::Search:
        return Stroke(Circle({7, 7}, 4), 1.8)
            .united(Stroke(Polyline({{10.2, 10.2}, {13.6, 13.6}}), 2.4));
    case Pictogram::Sort: {
        QPainterPath path = Stroke(Polyline({{2.5, 4}, {9.5, 4}}), 1.6);
        path = path.united(Stroke(Polyline({{2.5, 8}, {7.5, 8}}), 1.6));
        path = path.united(Stroke(Polyline({{2.5, 12}, {5.5, 12}}), 1.6));
        path = path.united(Stroke(Polyline({{12.5, 2.5}, {12.5, 11}}), 1.5));
        path = path.united(Polygon({{10.2, 10}, {14.8, 10}, {12.5, 13.8}}));
        return path;
    }
    case Pictogram::List: {
        QPainterPath path;
        for (qreal y : {4.0, 8.0, 12.0}) {
            path = path.united(Box(2.5, y - 1, 2, 2, 0.5));
            path = path.united(Stroke(Polyline({{6.8, y}, {13.5, y}}), 1.6));
        }
        return path;
    }
    case Pictogram::Dots:
        return Circle({3.5, 8}, 1.5).united(Circle({8, 8}, 1.5)).united(Circle({12.5, 8}, 1.5));
    case Pictogram::Menu:
        return Box(2.5, 3.5, 11, 2, 0.6)
            .united(Box(2.5, 7, 11, 2, 0.6))
            .united(Box(2.5, 10.5, 11, 2, 0.6));
    case Pictogram::Gear:
        return Gear();
    case Pictogram::Copy: {
        QPainterPath front = Box(2.5, 5, 8, 9, 1.2);
        QPainterPath back = Stroke(Box(6, 2, 8, 9, 1.2), 1.4).subtracted(Box(1.5, 4, 10, 11));
        return Stroke(front, 1.4).united(back);
    }
    case Pictogram::Save:
        return Box(2.5, 2.5, 11, 11, 1.5)
            .subtracted(Box(5, 3.6, 5.6, 3.4, 0.4))
            .subtracted(Box(4.6, 9, 6.8, 3.6, 0.4));
    case Pictogram::Trash: {
        QPainterPath path = Box(2.5, 3.4, 11, 1.8, 0.5).united(Box(6, 1.8, 4, 2, 0.6));
        path = path.united(Polygon({{4, 6}, {12, 6}, {11.2, 14}, {4.8, 14}})
                         .subtracted(Box(6.2, 7.5, 1.1, 5))
                         .subtracted(Box(8.7, 7.5, 1.1, 5)));
        return path;
    }
    case Pictogram::Edit:
        return Polygon({{2.5, 13.5}, {3.2, 10.4}, {10.6, 3}, {13, 5.4}, {5.6, 12.8}})
            .united(Polygon({{11.4, 2.2}, {12.4, 1.2}, {14.8, 3.6}, {13.8, 4.6}}));
    case Pictogram::Refresh: {
        QPainterPath path = Stroke(Arc(QRectF(3, 3, 10, 10), 100, 280), 1.7);
        path = path.united(Polygon({{7.6, 0.9}, {11.4, 3.1}, {7.6, 5.5}}));
        return path;
    }
    case Pictogram::Download:
        return Stroke(Polyline({{8, 2.2}, {8, 8.6}}), 1.9)
            .united(Polygon({{4.2, 7.6}, {11.8, 7.6}, {8, 11.4}}))
            .united(Box(2.5, 12.4, 11, 1.9, 0.5));
    case Pictogram::ArrowUp:
        return Polygon({{8, 2.5}, {13.5, 8.5}, {10, 8.5}, {10, 13.5}, {6, 13.5}, {6, 8.5},
                        {2.5, 8.5}});
    case Pictogram::ArrowDown:
        return Polygon({{8, 13.5}, {13.5, 7.5}, {10, 7.5}, {10, 2.5}, {6, 2.5}, {6, 7.5},
                        {2.5, 7.5}});
    case Pictogram::ToTray:
        return Stroke(Polyline({{8, 2.5}, {8, 7.5}}), 1.9)
            .united(Polygon({{4.6, 6.6}, {11.4, 6.6}, {8, 10.2}}))
            .united(Box(3, 12, 10, 2, 0.6));
    default:
        return {};
    }
}

QPainterPath Things(Pictogram sign) {
    switch (sign) {
    case Pictogram::Question: {
        QPainterPath hook;
        hook.moveTo(4.8, 5.6);
        hook.cubicTo(4.8, 1.8, 11.2, 1.8, 11.2, 5.4);
        hook.cubicTo(11.2, 7.8, 8, 7.8, 8, 10.4);
        return Stroke(hook, 2).united(Circle({8, 13.2}, 1.3));
    }
    case Pictogram::Info:
        return Circle({8, 8}, 6.5)
            .subtracted(Circle({8, 4.6}, 1.3))
            .subtracted(Box(7, 6.8, 2, 5.4, 0.4));
    case Pictogram::Tag:
        return Polygon({{2.2, 2.2}, {8.6, 2.2}, {14.2, 7.8}, {8, 14}, {2.2, 8.2}})
            .subtracted(Circle({5.4, 5.4}, 1.3));
    case Pictogram::Note:
        return Box(9.2, 2, 1.7, 10, 0.3)
            .united(Polygon({{10.9, 2}, {14, 4.2}, {14, 6.4}, {10.9, 4.4}}))
            .united(QTransform().translate(7.4, 12).rotate(-20).map(Box(-2.9, -2, 5.8, 4, 2)));
    case Pictogram::Disc:
        return Circle({8, 8}, 6.6).subtracted(Circle({8, 8}, 1.7));
    case Pictogram::Equalizer: {
        QPainterPath path;
        const qreal knobs[] = {9.5, 5, 10.5};
        for (int i = 0; i < 3; ++i) {
            const qreal x = 3.5 + i * 4.5;
            path = path.united(Box(x - 0.5, 2.5, 1, 11));
            path = path.united(Box(x - 2, knobs[i] - 1.2, 4, 2.4, 0.6));
        }
        return path;
    }
    case Pictogram::Spectrum:
        return Box(2.2, 9, 2.2, 5, 0.3)
            .united(Box(5.4, 4.5, 2.2, 9.5, 0.3))
            .united(Box(8.6, 7, 2.2, 7, 0.3))
            .united(Box(11.8, 2.5, 2.2, 11.5, 0.3));
    case Pictogram::Star:
        return Star();
    case Pictogram::Heart:
        return Heart();
    case Pictogram::Clock:
        return Circle({8, 8}, 6.5)
            .subtracted(Circle({8, 8}, 5))
            .united(Stroke(Polyline({{8, 4.5}, {8, 8}, {10.6, 9.6}}), 1.5));
    case Pictogram::Globe: {
        QPainterPath path = Stroke(Circle({8, 8}, 5.8), 1.3);
        QPainterPath meridian;
        meridian.addEllipse(QPointF(8, 8), 2.6, 5.8);
        path = path.united(Stroke(meridian, 1.2));
        path = path.united(Stroke(Polyline({{2.4, 8}, {13.6, 8}}), 1.2));
        return path;
    }
    case Pictogram::Palette:
        return Circle({8, 8}, 6.6)
            .subtracted(Circle({5, 6}, 1.3))
            .subtracted(Circle({8.5, 4.4}, 1.3))
            .subtracted(Circle({11.4, 7}, 1.3))
            .subtracted(Circle({10, 11.6}, 2.2));
    case Pictogram::Folder:
        return Polygon({{1.8, 3.5}, {6.4, 3.5}, {8, 5.2}, {14.2, 5.2}, {14.2, 13}, {1.8, 13}})
            .subtracted(Box(1.8, 6.5, 12.4, 0.9));
    case Pictogram::File:
        return Stroke(Polygon({{3.8, 1.8}, {9.4, 1.8}, {12.4, 4.8}, {12.4, 14.2}, {3.8, 14.2}}), 1.4)
            .united(Polygon({{9, 1.8}, {12.4, 5.2}, {9, 5.2}}));
    case Pictogram::Lock:
        return Box(3.2, 7.2, 9.6, 7, 1.2)
            .subtracted(Box(7.2, 9.2, 1.6, 3, 0.5))
            .united(Stroke(Arc(QRectF(5, 2.6, 6, 8), 0, 180), 1.7))
            .united(Box(4.15, 6.4, 1.7, 1.2))
            .united(Box(10.15, 6.4, 1.7, 1.2));
    case Pictogram::Headphones:
        return Stroke(Arc(QRectF(2.6, 3, 10.8, 11), 0, 180), 1.7)
            .united(Box(1.8, 8.4, 3.2, 5.4, 1))
            .united(Box(11, 8.4, 3.2, 5.4, 1));
    case Pictogram::Home:
        return Polygon({{8, 2}, {14.5, 8}, {12.5, 8}, {12.5, 14}, {3.5, 14}, {3.5, 8}, {1.5, 8}})
            .subtracted(Box(6.8, 9.8, 2.4, 4.4));
    case Pictogram::ChevronLeft:
        return Stroke(Polyline({{10, 3.5}, {5.5, 8}, {10, 12.5}}), 2);
    case Pictogram::ChevronRight:
        return Stroke(Polyline({{6, 3.5}, {10.5, 8}, {6, 12.5}}), 2);
    case Pictogram::ChevronDown:
        return Stroke(Polyline({{3.5, 6}, {8, 10.5}, {12.5, 6}}), 2);
    case Pictogram::Logo:
        return Circle({8, 8}, 6.8).subtracted(Polygon({{6.2, 4.6}, {11.4, 8}, {6.2, 11.4}}));
    default:
        return {};
    }
}

QPainterPath Outline(Pictogram sign) {
    for (auto family : {Transport, Modes, Actions, Things}) {
        QPainterPath path = family(sign);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

void DrawPictogram(QPainter& painter, Pictogram sign, const QRectF& box, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 16.0, box.height() / 16.0);
    painter.fillPath(Outline(sign), color);
    painter.restore();
}
