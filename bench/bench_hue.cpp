// The colour scheme preview must follow the slider: one hue rotation of the
// main window's photograph, and the whole slider step (copy, rotation, shown
// in the preview), each against one 60 Hz frame (16.7 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTabWidget>

#include "editor/QX_SE.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKHue.h"

namespace {

// The real window on the built-in skin, offscreen, on the schemes page.
TQXForm& Window() {
    static TQXForm* window = [] {
        auto* form = new TQXForm;
        form->setWindowState(Qt::WindowNoState);
        form->show();
        form->PageControl1->setCurrentWidget(form->TabSheet3);
        QCoreApplication::processEvents();
        return form;
    }();
    return *window;
}

QImage Snapshot() {
    QWidget* main = Window().MainCtrl;
    QImage image(main->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    main->render(&image);
    return image;
}

void BM_ApplyHue(benchmark::State& state) {
    const QImage snapshot = Snapshot();
    TVESKBmp bmp(snapshot);
    for (auto _ : state) {
        ApplyHue(bmp, 200);
        benchmark::DoNotOptimize(bmp.Bits());
    }
    state.counters["pixels"] = double(snapshot.width()) * snapshot.height();
}
BENCHMARK(BM_ApplyHue)->Unit(benchmark::kMillisecond);

void BM_SliderStep(benchmark::State& state) {
    QScrollBar* slider = Window().ScrollBar1;
    // Every step a change, so every step redraws the preview.
    int shift = 150;
    for (auto _ : state) {
        shift = -shift;
        slider->setValue(shift);
    }
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
