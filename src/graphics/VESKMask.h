#pragma once

class TVESKBmp;

// Turns bmp into a black-and-white mask: magenta pixels become white, all
// others black. top and bottom come from the size alone (for an image at
// least one pixel wide, height div 2 - 1 but not below 0, and height -
// height div 2; 0 and 0 for an empty image); the save writes them as the
// mask's "Top" and "Bottom".
void MakeMask(TVESKBmp& bmp, int& top, int& bottom);
