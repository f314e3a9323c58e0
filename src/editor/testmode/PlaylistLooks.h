#pragma once

#include <QImage>
#include <QRect>

class TSkinProject;

// The player's track list as the main document dresses it, for the dock
// while testing: sample tracks on "PLSBK", one of them playing ("PLSPlay"
// behind "PLSCUR"), one selected ("PLSActive" behind "PLSSEL"), the others
// in "PLSNRM"; the frame's edge textures, the scroll bar (the list is longer
// than it shows, so the player shows the bar) and each track's check box.

// Where the list puts things in a picture of a size.
struct TPlaylistLayout {
    QRect Rows;      // the rows' column, the frame and the scroll bar left out
    int RowHeight = 0;
    int RowCount = 0; // rows that fit
    QRect ScrollBar;
    QRect ScrollUp, ScrollDown; // the bar's buttons, as large as their textures
};

// The sample track list's rows, in order: which one plays and which one
// is selected until the user clicks another.
constexpr int kPlayingRow = 1;
constexpr int kSelectedRow = 2;

// What the pointer does to the list: the part under it, pressed or not,
// and the row the user selected.
enum class TPlaylistPart { None, ScrollUp, ScrollDown, Row };
struct TPlaylistPointer {
    TPlaylistPart Hovered = TPlaylistPart::None;
    bool Pressed = false;
    int SelectedRow = kSelectedRow;
    bool operator==(const TPlaylistPointer&) const = default;
};

TPlaylistLayout PlaylistLayout(QSize size, TSkinProject& document, const QImage& bitmap);

// The part of the list at a point of its picture; row gets the row's
// index for a row.
TPlaylistPart PlaylistPartAt(const TPlaylistLayout& layout, QPoint at, int& row);

// The list drawn into a picture of size (null when empty); values that
// cannot be read draw as their defaults. The scroll buttons show "_SEL"
// under the pointer and "_DWN" pressed, where the skin has them.
QImage DrawSamplePlaylist(QSize size, TSkinProject& document, const QImage& bitmap,
                          const TPlaylistPointer& pointer = {});

// The tab strip's texture with sample playlists on it: the first tab the
// active one ("TAB_ACT", "PLSTABA"), the second the one playing (its
// text in "PLSTABC"), the rest normal ("TAB_BK", "PLSTABN"), side by side
// on the strip's bottom edge.
QImage DrawSampleTabs(const QImage& strip, TSkinProject& document, const QImage& bitmap);
