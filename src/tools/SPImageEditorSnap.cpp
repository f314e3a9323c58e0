// Cutting sprite sheets quickly: edges that snap to the key colour, the
// sprite under a double click, resize handles and the keyboard.

#include <algorithm>
#include <cstdlib>

#include <QKeyEvent>
#include <QSpinBox>

#include "tools/SPImageEditor.h"
#include "tools/SheetView.h"

namespace {

// How close, in screen pixels, an edge must come to a border to land on it.
constexpr int SnapRadius = 3;
// How far into the rectangle a handle can be taken; outside it reaches as
// far as the handles are drawn.
constexpr int HandleReachIn = 2;
constexpr int HandleReachOut = TSheetView::HandleSize + 1;

enum : int { LeftEdge = 1, RightEdge = 2, TopEdge = 4, BottomEdge = 8 };

void Shift(QSpinBox* edit, int by) {
    edit->setValue(SaturatedAdd(edit->value(), by));
}

} // namespace

std::optional<int> TRectSelecter::BorderNear(TEdgeAxis axis, qint64 at, int spanFrom, int spanTo,
                                             Qt::KeyboardModifiers keys) const {
    if (keys & Qt::ShiftModifier)
        return std::nullopt;
    const TEdgeSpan span{std::min(spanFrom, spanTo), std::max(spanFrom, spanTo)};
    return NearestKeyBorder(PBox->Image(), axis, at, PBox->Zoom(), SnapRadius, span);
}

TEdgeSpan TRectSelecter::Reach(qint64 at, int from) const {
    // The pixels within snapping reach of the mouse, and on to from: a corner
    // in the gutter beside a sprite's corner still sees the sprite's edges.
    const QPoint low = PBox->ToSheet(QPoint(int(at - SnapRadius), int(at - SnapRadius)));
    const QPoint high = PBox->ToSheet(QPoint(int(at + SnapRadius), int(at + SnapRadius)));
    return {std::min(from, low.x()), std::max(from, high.x())};
}

int TRectSelecter::SnapEdge(TEdgeAxis axis, qint64 at, int unsnapped, int spanFrom, int spanTo,
                            Qt::KeyboardModifiers keys) const {
    return BorderNear(axis, at, spanFrom, spanTo, keys).value_or(unsnapped);
}

int TRectSelecter::SnapLocked(TEdgeAxis axis, qint64 at, int start, int size, int spanFrom,
                              int spanTo, Qt::KeyboardModifiers keys) const {
    const qint64 zoom = PBox->Zoom();
    const qint64 far = at + qint64(size) * zoom;
    const std::optional<int> near = BorderNear(axis, at, spanFrom, spanTo, keys);
    const std::optional<int> other = BorderNear(axis, far, spanFrom, spanTo, keys);
    const qint64 nearDistance = near ? std::llabs(*near * zoom - at) : SnapRadius + 1;
    const qint64 otherDistance = other ? std::llabs(*other * zoom - far) : SnapRadius + 1;
    if (near && nearDistance <= otherDistance)
        return *near;
    if (other)
        return SaturatedAdd(*other, -size);
    return start;
}

QPoint TRectSelecter::SnappedCorner(const QPoint& at, const QPoint& from,
                                    Qt::KeyboardModifiers keys) const {
    const QPoint pixel = PBox->ToSheet(at);
    const TEdgeSpan rows = Reach(at.y(), from.y());
    const TEdgeSpan columns = Reach(at.x(), from.x());
    return {SnapEdge(TEdgeAxis::Column, at.x(), pixel.x(), rows.First, rows.Last, keys),
            SnapEdge(TEdgeAxis::Row, at.y(), pixel.y(), columns.First, columns.Last, keys)};
}

void TRectSelecter::MoveLockedTo(const QPoint& at, Qt::KeyboardModifiers keys) {
    const QPoint pixel = PBox->ToSheet(at);
    const int lastRow = SaturatedAdd(pixel.y(), std::max(FLockedHeight - 1, 0));
    const int lastColumn = SaturatedAdd(pixel.x(), std::max(FLockedWidth - 1, 0));
    const TEdgeSpan rows = Reach(at.y(), lastRow);
    const TEdgeSpan columns = Reach(at.x(), lastColumn);
    const int x =
        SnapLocked(TEdgeAxis::Column, at.x(), pixel.x(), FLockedWidth, rows.First, rows.Last, keys);
    const int y = SnapLocked(TEdgeAxis::Row, at.y(), pixel.y(), FLockedHeight, columns.First,
                             columns.Last, keys);
    X1Edit->setValue(x);
    Y1Edit->setValue(y);
    SetSecondCorner(SaturatedAdd(x, FLockedWidth), SaturatedAdd(y, FLockedHeight));
    MoveBand({x, y, X2Edit->value(), Y2Edit->value()});
}

void TRectSelecter::PBoxDblClick(const QPoint& at, Qt::KeyboardModifiers keys) {
    PBoxMouseDown(at, keys);
    const std::optional<TRect> sprite = SpriteBounds(PBox->Image(), PBox->ToSheet(at));
    if (!sprite)
        return;
    // The sprite stands; moving before the release changes nothing more.
    FDragging = false;
    FResizeEdges = 0;
    TRect rect = *sprite;
    if (FSizeLocked)
        rect = {rect.Left, rect.Top, SaturatedAdd(rect.Left, FLockedWidth),
                SaturatedAdd(rect.Top, FLockedHeight)};
    X1Edit->setValue(rect.Left);
    Y1Edit->setValue(rect.Top);
    SetSecondCorner(rect.Right, rect.Bottom);
    MoveBand(rect);
}

// ------------------------------------------------------------------ handles

int TRectSelecter::HandleAt(const QPoint& at) const {
    if (FSizeLocked)
        return 0;
    const QRect r = PBox->ScreenRect(FCurrent);
    if (r.isEmpty())
        return 0;
    // Edge lines lie before the first and after the last pixel of the band.
    const auto pick = [](int pos, int low, int high, int lowBit, int highBit) {
        const bool nearLow = pos >= low - HandleReachOut && pos < low + HandleReachIn;
        const bool nearHigh = pos >= high - HandleReachIn && pos < high + HandleReachOut;
        if (nearLow && nearHigh)
            return std::abs(pos - low) <= std::abs(pos - high) ? lowBit : highBit;
        return nearLow ? lowBit : nearHigh ? highBit : 0;
    };
    const bool acrossX =
        at.x() >= r.left() - HandleReachOut && at.x() < r.right() + 1 + HandleReachOut;
    const bool acrossY =
        at.y() >= r.top() - HandleReachOut && at.y() < r.bottom() + 1 + HandleReachOut;
    if (!acrossX || !acrossY)
        return 0;
    return pick(at.x(), r.left(), r.right() + 1, LeftEdge, RightEdge) |
           pick(at.y(), r.top(), r.bottom() + 1, TopEdge, BottomEdge);
}

void TRectSelecter::StartResize(int edges, const QPoint& at) {
    FResizeEdges = edges;
    FResizeFrom = at;
    // Whichever corner edit holds that side, also in a reversed rectangle.
    const bool xForward = X1Edit->value() <= X2Edit->value();
    const bool yForward = Y1Edit->value() <= Y2Edit->value();
    FResizeX = (edges & LeftEdge)    ? (xForward ? X1Edit : X2Edit)
               : (edges & RightEdge) ? (xForward ? X2Edit : X1Edit)
                                     : nullptr;
    FResizeY = (edges & TopEdge)      ? (yForward ? Y1Edit : Y2Edit)
               : (edges & BottomEdge) ? (yForward ? Y2Edit : Y1Edit)
                                      : nullptr;
    FResizeX0 = FResizeX ? FResizeX->value() : 0;
    FResizeY0 = FResizeY ? FResizeY->value() : 0;
}

void TRectSelecter::ResizeTo(const QPoint& at, Qt::KeyboardModifiers keys) {
    const qint64 zoom = PBox->Zoom();
    const QPoint pixels = PBox->ToSheet(at) - PBox->ToSheet(FResizeFrom);
    const QPoint screen = at - FResizeFrom;
    const TRect r = NormalizeRect(FCurrent);
    if (FResizeX)
        FResizeX->setValue(SnapEdge(TEdgeAxis::Column, FResizeX0 * zoom + screen.x(),
                                    SaturatedAdd(FResizeX0, pixels.x()), r.Top,
                                    SaturatedAdd(r.Bottom, -1), keys));
    if (FResizeY)
        FResizeY->setValue(SnapEdge(TEdgeAxis::Row, FResizeY0 * zoom + screen.y(),
                                    SaturatedAdd(FResizeY0, pixels.y()), r.Left,
                                    SaturatedAdd(r.Right, -1), keys));
    MoveBand(EditsRect());
}

void TRectSelecter::ShowCursorFor(const QPoint& at) {
    Qt::CursorShape shape = Qt::BlankCursor;
    switch (HandleAt(at)) {
    case LeftEdge | TopEdge:
    case RightEdge | BottomEdge:
        shape = Qt::SizeFDiagCursor;
        break;
    case RightEdge | TopEdge:
    case LeftEdge | BottomEdge:
        shape = Qt::SizeBDiagCursor;
        break;
    case LeftEdge:
    case RightEdge:
        shape = Qt::SizeHorCursor;
        break;
    case TopEdge:
    case BottomEdge:
        shape = Qt::SizeVerCursor;
        break;
    default:
        break;
    }
    if (PBox->cursor().shape() != shape)
        PBox->setCursor(shape);
}

// ------------------------------------------------------------------ keys

void TRectSelecter::NudgeBy(int dx, int dy, bool resize) {
    if (resize && FSizeLocked)
        return;
    FUpdating = true;
    if (resize) {
        // The right and bottom sides grow and shrink, whichever edit holds them.
        Shift(X1Edit->value() <= X2Edit->value() ? X2Edit : X1Edit, dx);
        Shift(Y1Edit->value() <= Y2Edit->value() ? Y2Edit : Y1Edit, dy);
    } else {
        for (QSpinBox* edit : {X1Edit, X2Edit})
            Shift(edit, dx);
        for (QSpinBox* edit : {Y1Edit, Y2Edit})
            Shift(edit, dy);
    }
    Update();
}

bool TRectSelecter::PBoxKeyDown(const QKeyEvent& event) {
    const bool resize = event.modifiers() & Qt::ShiftModifier;
    switch (event.key()) {
    case Qt::Key_Left:
        NudgeBy(-1, 0, resize);
        return true;
    case Qt::Key_Right:
        NudgeBy(1, 0, resize);
        return true;
    case Qt::Key_Up:
        NudgeBy(0, -1, resize);
        return true;
    case Qt::Key_Down:
        NudgeBy(0, 1, resize);
        return true;
    // "=" is "+" without Shift on most layouts.
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomStep(1, KeyZoomAnchor());
        return true;
    case Qt::Key_Minus:
        ZoomStep(-1, KeyZoomAnchor());
        return true;
    default:
        return false;
    }
}
