// Cutting textures out of a 4096 x 4096 sheet must stay fluid: a rubber band
// move and a zoom step of the rectangle selector, each with the repaint it
// causes, against one 60 Hz frame (16.7 ms). The counters tell how many
// view pixels each step repainted, which shows that only what changed is.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollArea>
#include <QWheelEvent>

#include "tools/SPImageEditor.h"

namespace {

constexpr int SheetSide = 4096;

QImage Sheet() {
    QImage sheet(SheetSide, SheetSide, QImage::Format_RGB32);
    for (int y = 0; y < SheetSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < SheetSide; ++x)
            line[x] = ((x / 37 + y / 29) % 5 == 0) ? qRgb(255, 0, 255) : qRgb(x & 255, y & 255, 90);
    }
    return sheet;
}

// Adds up the area of every paint PBox receives.
class TPaintMeter : public QObject {
public:
    qint64 Pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                Pixels += qint64(r.width()) * r.height();
        return false;
    }
};

struct TSelecterRun {
    TRectSelecter Dialog;
    QWidget* Box = nullptr;
    QWidget* Viewport = nullptr;
    TPaintMeter Meter;

    explicit TSelecterRun(int zoom) {
        Dialog.setWindowState(Qt::WindowNoState);
        Dialog.resize(1280, 1024);
        Dialog.Prepare(Sheet(), {}, false);
        Dialog.show();
        Box = Dialog.findChild<QWidget*>(QStringLiteral("PBox"));
        Viewport = Dialog.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))->viewport();
        Dialog.SetSheetZoom(zoom, Viewport->rect().center());
        QCoreApplication::processEvents();
        Box->installEventFilter(&Meter);
    }
    ~TSelecterRun() { Dialog.SetSheetZoom(1); }

    QPoint InBox(const QPoint& viewport) const { return Box->mapFrom(Viewport, viewport); }

    void Mouse(QEvent::Type type, const QPoint& viewport) {
        const QPoint at = InBox(viewport);
        QMouseEvent event(type, at, Box->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(Box, &event);
    }
};

void BM_RubberBandMove(benchmark::State& state) {
    TSelecterRun run(int(state.range(0)));
    run.Mouse(QEvent::MouseButtonPress, {100, 100});
    QCoreApplication::processEvents();
    run.Meter.Pixels = 0;
    int step = 0;
    for (auto _ : state) {
        // Back and forth over a wide band, a few screen pixels a step.
        step = (step + 1) % 200;
        const int along = step < 100 ? step : 200 - step;
        run.Mouse(QEvent::MouseMove, {600 + along * 3, 500 + along * 2});
        QCoreApplication::processEvents();
    }
    run.Mouse(QEvent::MouseButtonRelease, {600, 500});
    state.counters["painted_px_per_step"] =
        benchmark::Counter(double(run.Meter.Pixels), benchmark::Counter::kAvgIterations);
    state.counters["viewport_px"] = double(run.Viewport->width()) * run.Viewport->height();
}
BENCHMARK(BM_RubberBandMove)->Arg(1)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_ZoomStep(benchmark::State& state) {
    TSelecterRun run(int(state.range(0)));
    const QPoint mouse(500, 400);
    int notches = 1;
    for (auto _ : state) {
        const QPoint at = run.InBox(mouse);
        QWheelEvent event(at, run.Box->mapToGlobal(at), QPoint(), QPoint(0, notches * 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(run.Box, &event);
        QCoreApplication::processEvents();
        notches = -notches;
    }
    state.counters["painted_px_per_step"] =
        benchmark::Counter(double(run.Meter.Pixels), benchmark::Counter::kAvgIterations);
}
// From the given zoom one step in and back out, alternately.
BENCHMARK(BM_ZoomStep)->Arg(1)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
