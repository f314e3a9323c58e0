#pragma once

#include <QRect>

#include "skingen/Previews.h"

class QPainter;

// What the player would draw into the dock from the playlist keys: a few
// tracks in the normal, selected and playing looks, the frame, the scroll bar
// and the track check boxes; and two tabs on the tab strip.
void DrawSamplePlaylist(QPainter& painter, TSkinWindowSource& source, const QRect& list);
void DrawSampleTabs(QPainter& painter, TSkinWindowSource& source, const QRect& strip);
