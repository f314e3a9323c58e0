#pragma once

#include <optional>

#include <QImage>
#include <QString>

#include "skingen/Pictograms.h"

// What each button of the skin shows: a pictogram or a printed word, on a
// raised plate or flat on its panel.
struct TLook {
    std::optional<Pictogram> Sign;
    QString Word;
    bool Flat = false;
    // Toggles only: the sign shown while checked, when it differs.
    std::optional<Pictogram> CheckedSign;
    bool Warning = false; // drawn in the record colour rather than the accent
};

TLook LookOf(const QString& elementName);

// The textures of buttons and two-state buttons, drawn over their backdrop.
// suffix is the state's key suffix: "_NRM", "_SEL", "_DWN" or "_UCH",
// "_UCHS", "_CHK", "_CHKS".
QImage PaintButtonState(const QImage& backdrop, const TLook& look, const QString& suffix);
