#pragma once

#include <optional>

#include <QSize>
#include <QString>

struct TCheckedSkin;
struct TSkinElement;

// The panel an element lies on in its window, as the parent documents
// assign it, with the size the window gives that panel.
struct TPanelSize {
    QString Name; // "Main", "TopPanel", "TrayInfo", ...
    QSize Size;
};

// None for the areas and bars themselves, for an element that is taken
// off the window, and when the panel's own size cannot be read.
std::optional<TPanelSize> HoldingPanel(const TCheckedSkin& skin, const TSkinElement& element);
