#pragma once

#include <QImage>

class QWidget;
class TSkinProject;
class TVESKCustomFile;
struct TMainWindowPreview;

// The player shapes its main window (face, playlist dock and side bars) by
// "mask.bmp": white where the window is cut away, black where it is opaque,
// in three horizontal bands that section "SKIN_MASK" of the main document
// names. The editor photographs the main window's preview and cuts away
// every pixel of the skin's key colour.

struct TMaskMargins {
    int Top = 0;
    int Bottom = 0;

    friend bool operator==(const TMaskMargins&, const TMaskMargins&) = default;
};

// The sizes the bands are made of.
struct TMaskGeometry {
    int Width = 0;        // W: the main preview's width
    int Height = 0;       // H: face texture + bar middle piece + 1
    int BottomHeight = 0; // m: the taller of the playlist's bottom panel and the bar's bottom cap
    int CenterHeight = 0; // c: the bar's middle piece

    friend bool operator==(const TMaskGeometry&, const TMaskGeometry&) = default;
};

TMaskGeometry MaskGeometry(const TMainWindowPreview& preview);

// The picture the mask is made from: the top of the main preview, its
// bottom strip as high as the playlist's bottom panel over the last rows,
// and the bars' bottom caps in the lower corners. A Format_RGB32 image of
// the geometry's size; null when the size is empty or beyond a texture's
// limits.
QImage ComposeMaskPicture(const TMainWindowPreview& preview, const TMaskGeometry& geometry);

// Turns the picture into the mask in place (24 bits per pixel, key colour
// white, everything else black) and answers the margins "Top" and "Bottom".
TMaskMargins PrepareMask(QImage& picture);

// "TopRect", "CenterRect" and "BottomRect" of section "SKIN_MASK".
void WriteMaskRects(TSkinProject& project, const TMaskGeometry& geometry);

// Composes the picture, writes the three bands, converts the picture and
// adds it to the package as "mask.bmp"; answers the margins.
TMaskMargins BuildMainMask(const TMainWindowPreview& preview, TSkinProject& project,
                           TVESKCustomFile& package);

// "Top", "Bottom", then the bar widths "Left" and "Right".
void WriteMaskMargins(TSkinProject& project, const TMaskMargins& margins);
