#pragma once

#include <optional>

#include "check/CheckedSkin.h"
#include "graphics/VESKRect.h"

// The rule groups the checker runs in turn; each appends what it finds.

// Header, member records, offsets, streams, sizes, names, trailing bytes.
void CheckContainer(const TCheckedSkin& skin, TFindings& findings);
// Every element of one window, and the window's own keys.
void CheckWindow(const TCheckedSkin& skin, TSkinWindow window,
                 const std::function<bool(const QString&)>& faceAvailable, TFindings& findings);
// The codes of "parent.ini" and "tray_parent.ini".
void CheckParents(const TCheckedSkin& skin, TFindings& findings);
// "SKIN_THEMES" of the main document.
void CheckSchemes(const TCheckedSkin& skin, TFindings& findings);
// Every bitmap member's file format.
void CheckBitmaps(TCheckedSkin& skin, TFindings& findings);

// A rectangle that is there and reads; the rules that compare rectangles
// leave the others to the value rules.
std::optional<TRect> ReadGoodRect(TSkinProject& document, const QString& section,
                                  const QString& key);
