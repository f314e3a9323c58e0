#pragma once

class TSkinCanvas;

// The main window's frame and panels: the face "MainForm", the six border
// bar pieces cut from one drawn frame, and the playlist dock's panels
// "TopPanel", "TabCtrl" and "plsctrl". Wells and printed words follow the
// element placements of the document, so moving an element in main.ini moves
// its backdrop with it.
void PaintMainAreas(TSkinCanvas& canvas);

// The playlist's frame, tab, scroll bar and track-status textures.
void PaintPlaylistTextures(TSkinCanvas& canvas);
