#pragma once

#include <vector>

#include <QPointer>
#include <QRect>
#include <QWidget>

// Where every control of the previews lies: its container, its place among
// the container's children (the element list and the stacking follow it),
// its bounds and whether it is shown.
struct TPlacement {
    QPointer<QWidget> Element;
    QPointer<QWidget> Parent;
    int Order = 0;
    QRect Bounds;
    bool Hidden = false;
    friend bool operator==(const TPlacement&, const TPlacement&) = default;
};
using TPlacementState = std::vector<TPlacement>;

// The controls under the roots, each container before what it holds.
TPlacementState PlacementState(const std::vector<QWidget*>& roots);
void RestorePlacement(const TPlacementState& state);
