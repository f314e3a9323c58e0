#pragma once

#include <array>

#include <QImage>
#include <QString>

#include "graphics/VESKFont.h"

class TQXForm;

// What the menu and description pages hold until a save writes it: the
// menu's colours and font, the icon strip shown, author, name and
// description.
struct TPageState {
    std::array<TColor, 4> MenuColors{};
    TFont MenuFont;
    QImage Icons;
    QString Author;
    QString SkinName;
    QString Description;
    friend bool operator==(const TPageState&, const TPageState&) = default;
};

TPageState PageState(const TQXForm& form);
void RestorePage(TQXForm& form, const TPageState& state);
