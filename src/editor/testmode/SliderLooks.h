#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include "storage/SkinVocabulary.h"

class QWidget;
class TSkinProject;

// Slider values run from 0 to kSliderRange; the previews rest at the middle.
constexpr int kSliderRange = 1000;
constexpr int kSliderMiddle = kSliderRange / 2;

// How a slider of the skin lies and draws its thumb: player sliders follow
// their "_HORIZONTAL" option and leave the thumb's magenta out, the
// equalizer's stand up and draw the thumb opaque, as their rest looks do.
struct TSliderShape {
    bool Horizontal = true;
    bool OpaqueThumb = false;
    // The equalizer composes its sliders on a face of the slider's size; a
    // player slider's face is its background texture as it is.
    bool FaceOfSliderSize = false;
};
TSliderShape SliderShape(ElementKind kind, const QString& name, TSkinProject& document);

// The pixel on the slider's axis that a value stands at: from the left edge
// of a horizontal slider (values grow to the right), from the top of a
// vertical one (values grow upwards). The middle value gives the rest
// look's half of the size.
int SliderPixel(int value, QSize size, bool horizontal);
// The value under a point of the slider, clamped to the range.
int SliderValueAt(QPoint point, QSize size, bool horizontal);

// The slider's face at the value: the filled texture from the start up to
// the value's pixel (the lower part of a vertical slider), the thumb
// centred on that pixel and kept inside the slider where it fits.
QImage ComposeSlider(const QImage& background, const QImage& filled, const QImage& thumb, QSize size,
                     const TSliderShape& shape, int value);

// The slider element's face at the value, from its window's skin.
QImage SliderTexture(QWidget* slider, int value, TSkinProject& document, const QImage& bitmap);
