#include "editor/edits/PlacementEdit.h"

#include <algorithm>
#include <map>

#include "controls/AlignLayout.h"

namespace {

// The place among the container's widgets; other objects it holds do not
// count, as raising moves widgets past them.
int OrderIn(const QWidget* parent, const QWidget* child) {
    if (!parent)
        return 0;
    int order = 0;
    for (const QObject* object : parent->children()) {
        if (object == child)
            return order;
        if (object->isWidgetType())
            ++order;
    }
    return -1;
}

} // namespace

TPlacementState PlacementState(const std::vector<QWidget*>& roots) {
    TPlacementState state;
    for (QWidget* root : roots) {
        if (!root)
            continue;
        for (QWidget* control : root->findChildren<QWidget*>()) {
            QWidget* parent = control->parentWidget();
            state.push_back({control, parent, OrderIn(parent, control), control->geometry(),
                             control->isHidden()});
        }
    }
    return state;
}

void RestorePlacement(const TPlacementState& state) {
    // Containers first, so a control moved back under another one lands in
    // it where it was, and the order of each container's children is put
    // back by raising them in their old order.
    std::map<QWidget*, std::vector<const TPlacement*>> byParent;
    for (const TPlacement& placement : state) {
        QWidget* control = placement.Element;
        QWidget* parent = placement.Parent;
        if (!control || !parent)
            continue;
        if (control->parentWidget() != parent && parent != control &&
            !control->isAncestorOf(parent))
            control->setParent(parent);
        byParent[parent].push_back(&placement);
    }
    for (auto& [parent, children] : byParent) {
        bool ordered = true;
        for (const TPlacement* child : children)
            ordered = ordered && OrderIn(parent, child->Element) == child->Order;
        if (ordered)
            continue;
        std::sort(children.begin(), children.end(),
                  [](const TPlacement* a, const TPlacement* b) { return a->Order < b->Order; });
        for (const TPlacement* child : children)
            child->Element->raise();
    }
    for (const TPlacement& placement : state) {
        QWidget* control = placement.Element;
        if (!control || control->parentWidget() != placement.Parent)
            continue;
        if (control->geometry() != placement.Bounds)
            ::SetBounds(control, placement.Bounds);
        if (control->isHidden() != placement.Hidden)
            control->setVisible(!placement.Hidden);
    }
}
