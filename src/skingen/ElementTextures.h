#pragma once

class TSkinCanvas;

// Draws every element texture of the canvas's window that is not part of an
// area: button and toggle states, slider tracks and knobs, digit strips,
// level meters; and copies the in-area textures (label backgrounds, displays
// drawn on the face) from their areas. Areas must be on the canvas first.
void PaintElementTextures(TSkinCanvas& canvas);
