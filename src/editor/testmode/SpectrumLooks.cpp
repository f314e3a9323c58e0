#include "editor/testmode/SpectrumLooks.h"

#include <algorithm>
#include <exception>

#include <QPainter>

#include "graphics/VESKColor.h"
#include "text/SkinProject.h"

namespace {

const QString kOptions = QStringLiteral("SKIN_OPTIONS");
constexpr double kPeakFall = 0.02; // of the height per step

} // namespace

TSpectrumOptions TSpectrumOptions::Read(TSkinProject& document) {
    TSpectrumOptions options;
    // A skin's malformed number must not stop the animation: each value on
    // its own keeps its default.
    const auto read = [&document](const char* key, int fallback) {
        try {
            return document.ReadInteger(kOptions, QLatin1String(key), fallback);
        } catch (const std::exception&) {
            return fallback;
        }
    };
    options.Bar = ColorToQColor(read("SpectrumColor", RGBColor(0, 255, 0)));
    options.Peak = ColorToQColor(read("SpectrumPeakColor", RGBColor(255, 255, 255)));
    options.Bars = std::clamp(read("SpectrumPeaks", 50), 1, 1024);
    options.BottomOffset = std::max(0, read("SpectrumYoff", 0));
    return options;
}

void TSpectrum::Step(const std::vector<double>& levels) {
    FLevels = levels;
    FPeaks.resize(FLevels.size(), 0.0);
    for (size_t i = 0; i < FLevels.size(); ++i)
        FPeaks[i] = std::max(FLevels[i], FPeaks[i] - kPeakFall);
}

QImage TSpectrum::Draw(const QImage& background, const TSpectrumOptions& options) const {
    QImage face = background.copy();
    if (face.isNull() || FLevels.empty())
        return face;
    const int w = face.width();
    const int bottom = face.height() - options.BottomOffset; // first row below the bars
    if (bottom <= 0)
        return face;
    const int bars = std::min<int>(int(FLevels.size()), w);
    const int slot = std::max(1, w / bars);
    const int barWidth = slot > 2 ? slot - 1 : slot;
    QPainter painter(&face);
    for (int i = 0; i < bars; ++i) {
        const int x = i * slot;
        const int height = int(FLevels[size_t(i)] * bottom);
        painter.fillRect(x, bottom - height, barWidth, height, options.Bar);
        const int peak = std::min(bottom - 1, bottom - 1 - int(FPeaks[size_t(i)] * (bottom - 1)));
        painter.fillRect(x, peak, barWidth, 1, options.Peak);
    }
    return face;
}
