#include "controls/AlignLayout.h"

#include <algorithm>
#include <array>
#include <vector>

#include <QRect>
#include <QVariant>
#include <QWidget>

#include "controls/AlignContainer.h"

namespace {

// Containers being laid out right now: the layout's own moves of their
// children come back as events and must not start another layout.
std::vector<const QWidget*>& ActiveContainers() {
    static std::vector<const QWidget*> active;
    return active;
}

class TActiveScope {
public:
    explicit TActiveScope(const QWidget* container) { ActiveContainers().push_back(container); }
    ~TActiveScope() { ActiveContainers().pop_back(); }
    TActiveScope(const TActiveScope&) = delete;
    TActiveScope& operator=(const TActiveScope&) = delete;
};

bool IsActive(const QWidget* container) {
    const auto& active = ActiveContainers();
    return std::find(active.begin(), active.end(), container) != active.end();
}

bool TakesPart(const QWidget* child, TAlign align) {
    return child && !child->isWindow() && !child->isHidden() && AlignOf(child) == align;
}

// Whether c1 goes before c2 in the stacking order of the group.
bool InsertBefore(const QWidget* c1, const QWidget* c2, TAlign align) {
    switch (align) {
    case TAlign::Top:
        return c1->y() < c2->y();
    case TAlign::Bottom:
        return c1->y() + c1->height() >= c2->y() + c2->height();
    case TAlign::Left:
        return c1->x() < c2->x();
    case TAlign::Right:
        return c1->x() + c1->width() >= c2->x() + c2->width();
    default:
        return false;
    }
}

// The group in the order it is placed: the trigger first, every other child
// in child order inserted before the first one it precedes. Equal positions
// so keep the trigger and then the child order.
std::vector<QWidget*> Group(const QWidget* container, TAlign align, QWidget* trigger) {
    std::vector<QWidget*> group;
    if (TakesPart(trigger, align) && trigger->parentWidget() == container)
        group.push_back(trigger);
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == trigger || !TakesPart(child, align))
            continue;
        auto at = std::find_if(group.begin(), group.end(), [&](const QWidget* placed) {
            return InsertBefore(child, placed, align);
        });
        group.insert(at, child);
    }
    return group;
}

// The part of the container not yet taken, as edges.
struct TArea {
    int Left, Top, Right, Bottom;
};

void Position(QWidget* child, TAlign align, TArea& area) {
    const bool sideways = align == TAlign::Left || align == TAlign::Right;
    const bool stacked = align == TAlign::Top || align == TAlign::Bottom;
    int width = area.Right - area.Left;
    if (width < 0 || sideways)
        width = child->width();
    int height = area.Bottom - area.Top;
    if (height < 0 || stacked)
        height = child->height();
    int left = area.Left;
    int top = area.Top;
    switch (align) {
    case TAlign::Top:
        area.Top += height;
        break;
    case TAlign::Bottom:
        area.Bottom -= height;
        top = area.Bottom;
        break;
    case TAlign::Left:
        area.Left += width;
        break;
    case TAlign::Right:
        area.Right -= width;
        left = area.Right;
        break;
    default:
        break;
    }
    const QSize before = child->size();
    child->setGeometry(left, top, width, height);
    // A child held back by its size limits gives the room it did not take.
    const int lessWidth = width - child->width();
    const int lessHeight = height - child->height();
    switch (align) {
    case TAlign::Top:
        area.Top -= lessHeight;
        break;
    case TAlign::Bottom:
        area.Bottom += lessHeight;
        break;
    case TAlign::Left:
        area.Left -= lessWidth;
        break;
    case TAlign::Right:
        area.Right += lessWidth;
        break;
    case TAlign::Client:
        area.Right -= lessWidth;
        area.Bottom -= lessHeight;
        break;
    default:
        break;
    }
    // A child off screen hears of its new size only when shown; its own
    // aligned children follow now.
    if (child->size() != before && !child->isVisible())
        AlignControls(child);
}

} // namespace

TAlign AlignOf(const QWidget* control) {
    if (!control)
        return TAlign::None;
    const int value = control->property(kAlignProperty).toInt();
    return value >= int(TAlign::None) && value <= int(TAlign::Client) ? TAlign(value)
                                                                      : TAlign::None;
}

void SetAlign(QWidget* control, TAlign align) {
    if (!control)
        return;
    control->setProperty(kAlignProperty, int(align));
    if (QWidget* container = control->parentWidget()) {
        if (align != TAlign::None)
            TAlignContainer::Install(container);
        AlignControls(container, control);
    }
}

void AlignControls(QWidget* container, QWidget* trigger) {
    if (!container || IsActive(container))
        return;
    const TActiveScope scope(container);
    TArea area{0, 0, container->width(), container->height()};
    constexpr std::array kOrder = {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right,
                                   TAlign::Client};
    for (const TAlign align : kOrder)
        for (QWidget* child : Group(container, align, trigger))
            Position(child, align, area);
}

void SetBounds(QWidget* control, const QRect& bounds) {
    if (!control)
        return;
    control->setGeometry(bounds);
    QWidget* container = control->parentWidget();
    if (container && AlignOf(control) != TAlign::None)
        AlignControls(container, control);
    AlignControls(control);
}
