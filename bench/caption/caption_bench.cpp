#include "caption/caption_registration.h"
#include "caption/gradient_caption.h"
#include "platform/frame/frame_events.h"
#include "platform/frame/framed_window.h"
#include "platform/stream/component_layout.h"
#include "resources/layouts/components/component_layouts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The game's window as far as its caption is concerned: 442 x 353, sizeable, system menu and
// minimize, with GradientCaption1 made from the game's own component layout.
struct MainWindowCaption {
    MainWindowCaption() {
        window.setBorderStyle(platform::BorderStyle::bsSizeable);
        window.setBorderIcons(platform::biSystemMenu | platform::biMinimize);
        window.resize(442, 353);
        QPixmap icon(32, 32);
        icon.fill(Qt::red);
        window.setWindowIcon(QIcon(icon));
        caption::RegisterCaptionComponents();
        platform::LoadComponentLayout(window,
                                      QString::fromLatin1(resources::MainFormComponentLayout));
        component = window.findChild<caption::TGradientCaption*>();
    }

    platform::FramedWindow window;
    caption::TGradientCaption* component = nullptr;
    QImage target{442, 353, QImage::Format_RGB32};
};

// One caption: composed off-screen (bands, icon, three texts measured and drawn) and copied
// onto the window's surface. Argument: the number of bands.
void PaintOneCaption(benchmark::State& state) {
    MainWindowCaption w;
    if (w.component == nullptr) {
        state.SkipWithError("the component layout made no caption");
        return;
    }
    w.component->SetNumColors(static_cast<int>(state.range(0)));
    QPainter painter(&w.target);
    if (w.component->PaintTitleBar(painter, true).isEmpty()) {
        state.SkipWithError("nothing was painted");
        return;
    }
    bool active = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.component->PaintTitleBar(painter, active));
        active = !active;
    }
}
BENCHMARK(PaintOneCaption)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

// The whole frame message as the window sends it: the caption first, then the window's own
// painting of the rest of the frame.
void PaintWholeFrameThroughTheHook(benchmark::State& state) {
    MainWindowCaption w;
    const QRegion frame = w.window.frameRegion();
    QPainter painter(&w.target);
    for (auto _ : state) {
        platform::FramePaintEvent paint(painter, frame);
        QCoreApplication::sendEvent(&w.window, &paint);
        benchmark::DoNotOptimize(paint.region());
    }
}
BENCHMARK(PaintWholeFrameThroughTheHook)->Unit(benchmark::kMicrosecond);

} // namespace

// Widgets need an application object; without a display the painting happens offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
