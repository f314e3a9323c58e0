#pragma once

#include <vector>

#include <QColor>
#include <QImage>

class TSkinProject;

// The spectrum analyser as the display options of "SKIN_OPTIONS" draw it:
// "SpectrumPeaks" bars (50 by default) side by side over the element's
// texture, standing "SpectrumYoff" pixels above its bottom, in
// "SpectrumColor", each with a one-pixel peak in "SpectrumPeakColor" that
// falls back slowly after the bar.
struct TSpectrumOptions {
    QColor Bar = QColor(0, 255, 0);
    QColor Peak = QColor(255, 255, 255);
    int Bars = 50;
    int BottomOffset = 0;

    // Values that cannot be read keep the defaults.
    static TSpectrumOptions Read(TSkinProject& document);
};

class TSpectrum {
public:
    // Takes the bars' new heights (0 to 1); the peaks follow.
    void Step(const std::vector<double>& levels);
    const std::vector<double>& Levels() const { return FLevels; }
    const std::vector<double>& Peaks() const { return FPeaks; }

    // The face: the background with the bars and peaks drawn on it.
    QImage Draw(const QImage& background, const TSpectrumOptions& options) const;

private:
    std::vector<double> FLevels;
    std::vector<double> FPeaks;
};
