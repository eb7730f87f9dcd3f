// Showing a window's picture at each picture size: one full paint of a 1916 x 1000 window whose
// picture is enlarged 1, 1.5, 2 or 3 times (the cost a tick's refresh adds on screen).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "shell/globals.h"
#include "shell/picture_size.h"
#include "shell/ui/driver.h"
#include "shell/ui/simwindow.h"

namespace {

void PaintEnlarged(benchmark::State& state)
{
    globals::reset();
    const picture::Size sizes[] = {picture::Size::P100, picture::Size::P150, picture::Size::P200,
                                   picture::Size::P300};
    orb::Driver::Options options;
    options.zoom = sizes[state.range(0)];
    orb::Driver driver(options, [](const QString&) {}, [](const QString&) {});
    driver.run({QStringLiteral("open"), QStringLiteral("Tkuno"), QStringLiteral("tick"), QStringLiteral("20")});
    orb::SimWindow* w = driver.target();
    if (!w) {
        state.SkipWithError("window did not open");
        return;
    }
    QImage screen(w->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        w->render(&p);
    }
    state.counters["picture_pixels"] = static_cast<double>(w->clientWidth()) * w->clientHeight();
}

}  // namespace

BENCHMARK(PaintEnlarged)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
