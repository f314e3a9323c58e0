#pragma once

#include <vector>

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "graphics/VESKFont.h"

// The looks of preview controls as the editor rendered them, taken before
// the test mode changes them and put back when it ends, so that leaving
// shows the previews pixel for pixel as before. The test mode ends before
// anything renders the previews anew (opening, saving, other pages).
class TRestLooks {
public:
    void Take(const QList<QWidget*>& controls);
    void Restore();
    bool IsEmpty() const { return FLooks.empty(); }

    // The texture the control had when taken; null for one not taken.
    QImage Background(const QWidget* control) const;
    QImage Aux1(const QWidget* control) const;
    QImage Aux2(const QWidget* control) const;
    QImage Strip(const QWidget* control) const;
    QString Caption(const QWidget* control) const;

private:
    struct TLook {
        QPointer<QWidget> Control;
        QImage Background, Aux1, Aux2; // skin elements; Background: a digit strip
        QString Caption;               // labels and numeric displays
        bool AutoSize = false;         // labels
        TFont Font;                    // labels
        TColor Color = 0;              // labels
        QRect Geometry;
    };
    const TLook* Find(const QWidget* control) const;

    std::vector<TLook> FLooks;
};
