#pragma once

#include <QImage>
#include <QSize>

// Glyph strips of the numeric displays. Strips of 13 glyphs hold "0"-"9",
// ":", "-" and space in that order; each glyph cell is the strip width
// divided by the glyph count. Glyphs are opaque on the display colour, so a
// display looks right over any background.

// Seven-segment digits with the unlit segments faintly visible.
QImage SegmentStrip(QSize stripSize);
// 5 x 7 dot-matrix digits.
QImage MatrixStrip(QSize stripSize);

// The two three-glyph mode indicators.
QImage PlayStateStrip(QSize stripSize); // stopped, playing, paused
QImage ChannelStrip(QSize stripSize);   // no signal, mono, stereo

// A level meter strip: unlit segments, or lit ones for the progress texture.
QImage MeterStrip(QSize size, bool lit);
