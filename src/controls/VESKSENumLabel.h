#pragma once

#include "controls/VESKSkinCtrls.h"

// The numeric display of a preview: framed in green while selected. It draws
// no dash-dot outline.
class TVESKSENumLabel : public TVESKNumLabel {
    Q_OBJECT

public:
    explicit TVESKSENumLabel(QWidget* parent = nullptr);

    void PaintTo(QPainter& painter) override;
};
