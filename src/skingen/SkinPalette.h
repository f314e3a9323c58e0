#pragma once

#include <QColor>

// The default skin's colours: blue-tinted graphite greys with one cyan accent.
// Colour schemes rotate hues, so the greys stay grey and only the accent (and
// the faint tint of the greys) turns with a scheme.
namespace Palette {

inline const QColor Key(255, 0, 255); // the transparent colour of every skin bitmap

inline const QColor Outline(0x07, 0x08, 0x0a);
inline const QColor BevelLight(0x4a, 0x51, 0x5b);
inline const QColor BevelDark(0x12, 0x14, 0x18);
inline const QColor Seam(0x0e, 0x10, 0x13);

inline const QColor FaceTop(0x2c, 0x31, 0x38);
inline const QColor FaceBottom(0x20, 0x24, 0x29);
inline const QColor Title(0x23, 0x27, 0x2d);
inline const QColor Groove(0x16, 0x19, 0x1d);
inline const QColor BarBody(0x26, 0x2a, 0x30);

inline const QColor Lcd(0x0b, 0x0e, 0x11);
inline const QColor LcdEdge(0x04, 0x05, 0x06);
inline const QColor LcdGrid(0x12, 0x1c, 0x21);
inline const QColor Ghost(0x12, 0x2a, 0x31);

inline const QColor Accent(0x4d, 0xd0, 0xec);
inline const QColor AccentBright(0xa6, 0xee, 0xfb);
inline const QColor AccentDeep(0x23, 0x84, 0x9c);
inline const QColor AccentDim(0x2a, 0x6f, 0x80);
inline const QColor Record(0xe0, 0x4a, 0x4a);

inline const QColor Text(0xd4, 0xda, 0xe0);
inline const QColor TextDim(0x8a, 0x93, 0x9e);
inline const QColor Print(0x6c, 0x75, 0x80); // labels printed on the face

inline const QColor PlateTop(0x3d, 0x43, 0x4c);
inline const QColor PlateBottom(0x2d, 0x32, 0x39);
inline const QColor PlateHoverTop(0x48, 0x4f, 0x59);
inline const QColor PlateHoverBottom(0x35, 0x3b, 0x43);
inline const QColor PlateDownTop(0x1b, 0x1f, 0x24);
inline const QColor PlateDownBottom(0x24, 0x29, 0x2f);
inline const QColor PlateEdge(0x0c, 0x0e, 0x11);
inline const QColor PlateShine(0x59, 0x61, 0x6c);

inline const QColor ThumbTop(0xe4, 0xe9, 0xee);
inline const QColor ThumbBottom(0x9a, 0xa3, 0xad);

inline const QColor Unused(0x10, 0x11, 0x14); // atlas space no texture uses

} // namespace Palette
