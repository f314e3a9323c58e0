// One animation frame of the test mode on the main window, the displays and
// the spectrum redrawn and the window painted, against the 2 ms a frame of
// the 50 ms timer may cost; and what switching the test mode costs.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include "editor/QX_SE.h"
#include "editor/testmode/TestAnimation.h"
#include "editor/testmode/TestMode.h"

namespace {

TQXForm& Window() {
    static TQXForm* window = [] {
        auto* form = new TQXForm;
        form->setWindowState(Qt::WindowNoState);
        form->show();
        form->TestModeAction->trigger();
        QCoreApplication::processEvents();
        return form;
    }();
    return *window;
}

void BM_AnimationFrame(benchmark::State& state) {
    TQXForm& window = Window();
    QImage canvas(window.MainCtrl->size(), QImage::Format_RGB32);
    qint64 ms = 0;
    for (auto _ : state) {
        window.TestMode()->Animation()->ShowFrame(ms += TTestAnimation::kInterval);
        window.MainCtrl->render(&canvas);
    }
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMillisecond);

// Switching the test mode off and on again, without and with a colour
// scheme: the mask photographed, the three bitmaps turned, the sample
// playlist drawn, and every look given back.
void BM_Toggle(benchmark::State& state) {
    TQXForm& window = Window();
    window.ScrollBar1->setValue(int(state.range(0)));
    for (auto _ : state) {
        window.TestModeAction->trigger();
        window.TestModeAction->trigger();
    }
    window.ScrollBar1->setValue(0);
}
BENCHMARK(BM_Toggle)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
