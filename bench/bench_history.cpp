// Undoing and redoing a texture edit must feel immediate even on a large
// sheet: the state goes back and what depends on it is rendered again, each
// against one 60 Hz frame (16.7 ms), on a 4096 x 4096 main bitmap; and so
// must each mouse move of a drag that the history records.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QUndoStack>

#include "controls/SelectedElement.h"
#include "editor/PreviewTrees.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"

namespace {

constexpr int SheetSide = 4096;

QImage Sheet(const QImage& skin) {
    QImage sheet(SheetSide, SheetSide, QImage::Format_RGB32);
    for (int y = 0; y < SheetSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < SheetSide; ++x)
            line[x] = qRgb(x & 255, y & 255, 90);
    }
    // The skin's own textures stay where its rectangles find them.
    for (int y = 0; y < skin.height(); ++y)
        for (int x = 0; x < skin.width(); ++x)
            sheet.setPixel(x, y, skin.pixel(x, y));
    return sheet;
}

void Select(TQXForm& form, const QString& name) {
    QWidget* element = form.Previews().Find(name);
    SelectedElement = element;
    form.LeftBarMouseUp(element, Qt::LeftButton, Qt::NoModifier, 0, 0);
}

// The real window on the built-in skin with a large main bitmap, offscreen,
// after one texture paste.
TQXForm& Window() {
    static TQXForm* window = [] {
        auto* form = new TQXForm;
        form->setWindowState(Qt::WindowNoState);
        form->show();
        QImage& bitmap = *form->SkinFile->MainBmp;
        bitmap = Sheet(bitmap);
        form->RenderPreview(TSkinWindow::Main);
        Select(*form, QStringLiteral("PLAYBTN"));
        form->Action4->trigger();
        Select(*form, QStringLiteral("STOPBTN"));
        form->Action5->trigger();
        QCoreApplication::processEvents();
        return form;
    }();
    return *window;
}

void BM_UndoTexturePaste(benchmark::State& state) {
    QUndoStack& history = *Window().History;
    for (auto _ : state) {
        history.undo();
        state.PauseTiming();
        history.redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoTexturePaste)->Unit(benchmark::kMillisecond);

void BM_RedoTexturePaste(benchmark::State& state) {
    QUndoStack& history = *Window().History;
    for (auto _ : state) {
        state.PauseTiming();
        history.undo();
        state.ResumeTiming();
        history.redo();
    }
}
BENCHMARK(BM_RedoTexturePaste)->Unit(benchmark::kMillisecond);

// One mouse move of an Alt-drag: the element moves and the step joins the
// drag's one history step, recorded before and after.
void BM_AltDragStep(benchmark::State& state) {
    TQXForm& form = Window();
    QWidget* element = form.Previews().Find(QStringLiteral("PLAYBTN"));
    form.LeftbarMouseDown(element, Qt::LeftButton, Qt::AltModifier, 2, 2);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 2;
        form.LeftBarMouseMove(element, Qt::AltModifier, 2 + (step ? 3 : -3), 2);
    }
    form.LeftBarMouseUp(element, Qt::LeftButton, Qt::AltModifier, 2, 2);
    // A drag that ended where it began left no step behind.
    if (form.History->count() > 1)
        form.History->undo();
}
BENCHMARK(BM_AltDragStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (Window().History->count() != 1)
        qFatal("the texture paste was not recorded");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
