// Every registered window opened headless at 1916 x 1000: its first activation, the mean of its
// ticks, and the bytes of its pictures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <memory>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/driver.h"
#include "shell/ui/forms.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/simwindow.h"
#include "shell/window_table.h"
#include "start_run.h"

namespace {

std::unique_ptr<orb::Driver> openAlone(const orb::WindowInfo& info)
{
    globals::reset();
    auto driver = std::make_unique<orb::Driver>(orb::Driver::Options{}, [](const QString&) {},
                                                [](const QString&) {});
    const QString cls = QString::fromUtf8(info.className.data(), int(info.className.size()));
    driver->run({QStringLiteral("open"), cls});
    return driver;
}

// The time a user waits for the window: creating it and its first activation (with whatever it
// precomputes). The precompute alone is reported as a counter.
void FirstActivation(benchmark::State& state, const orb::WindowInfo* info)
{
    std::size_t bytes = 0;
    double precompute = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto driver = openAlone(*info);
        const qint64 elapsed = clock.nsecsElapsed();
        orb::SimWindow* w = driver->target();
        if (!w) {
            state.SkipWithError("window did not open");
            return;
        }
        state.SetIterationTime(static_cast<double>(elapsed) * 1e-9);
        precompute += static_cast<double>(w->firstActivationNs()) * 1e-6;
        bytes = w->bitmapBytes();
    }
    state.counters["bitmap_bytes"] = static_cast<double>(bytes);
    state.counters["precompute_ms"] = precompute / static_cast<double>(state.iterations());
}

void Tick(benchmark::State& state, const orb::WindowInfo* info)
{
    auto driver = openAlone(*info);
    orb::SimWindow* w = driver->target();
    if (!w || !w->animationTimer()) {
        state.SkipWithError("window did not open");
        return;
    }
    // A window that stands idle until its start button is pressed (its timer is off once it is
    // open) is started, and started again whenever its run ends, so that the ticks measured are
    // those of a run.
    orb::Timer* timer = w->animationTimer();
    const bool startable = !timer->enabled() && (w->control(QStringLiteral("disegna")) ||
                                                 w->control(QStringLiteral("partenza")));
    const auto start = [w] { bench::startRun(*w); };
    if (startable)
        start();
    for (auto _ : state) {
        timer->fire();
        if (startable && !timer->enabled()) {
            state.PauseTiming();
            start();
            state.ResumeTiming();
        }
    }
}

// Another window is activated and this one again: the pictures it packed or freed while inactive
// come back (the activation's whole time). The time of packing them at the deactivation and the
// bytes it holds while inactive are counters.
void Reactivate(benchmark::State& state, const orb::WindowInfo* info)
{
    auto driver = openAlone(*info);
    orb::SimWindow* w = driver->target();
    if (!w) {
        state.SkipWithError("window did not open");
        return;
    }
    std::size_t inactive = 0;
    double deactivation = 0;
    for (auto _ : state) {
        QElapsedTimer away;
        away.start();
        driver->run({QStringLiteral("deactivate")});
        deactivation += static_cast<double>(away.nsecsElapsed()) * 1e-6;
        inactive = w->bitmapBytes();
        QElapsedTimer clock;
        clock.start();
        driver->run({QStringLiteral("activate")});
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
    state.counters["inactive_bytes"] = static_cast<double>(inactive);
    state.counters["deactivate_ms"] = deactivation / static_cast<double>(state.iterations());
    state.counters["active_bytes"] = static_cast<double>(w->bitmapBytes());
}

// The Doppler simulation recomputes its frames when "disegna" is clicked after a new source
// speed: the same budget as a first activation, at every speed.
void DopplerRedraw(benchmark::State& state)
{
    const orb::WindowInfo* info = orb::findWindowByClass("Tdopsimul");
    auto driver = openAlone(*info);
    const QString speed = QString::number(state.range(0));
    for (auto _ : state) {
        driver->run({QStringLiteral("set"), QStringLiteral("plonda"), speed});
        QElapsedTimer clock;
        clock.start();
        driver->run({QStringLiteral("click"), QStringLiteral("disegna")});
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}

// The Earth oscillations draw mode B's 30 pictures when "disegna" first shows that mode: the
// wait after the click, from a newly opened window each time.
void OscillationModeB(benchmark::State& state)
{
    const orb::WindowInfo* info = orb::findWindowByClass("Toscilla");
    for (auto _ : state) {
        auto driver = openAlone(*info);
        driver->run({QStringLiteral("set"), QStringLiteral("tipo"), QStringLiteral("1")});
        QElapsedTimer clock;
        clock.start();
        driver->run({QStringLiteral("click"), QStringLiteral("disegna")});
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        state.counters["bitmap_bytes"] = static_cast<double>(driver->target()->bitmapBytes());
    }
}

// The parabolic antenna rebuilds its frames when "aggiorna" is pressed after the other item of
// "tipo" is chosen: the wait after the click, to the transmitter (0) or back to the receiver (1).
void AntennaRecompute(benchmark::State& state)
{
    auto driver = openAlone(*orb::findWindowByClass("Tsconcavo"));
    const QString to = QString::number(state.range(0) == 0 ? 1 : 0);
    const QString from = QString::number(state.range(0) == 0 ? 0 : 1);
    for (auto _ : state) {
        driver->run({QStringLiteral("set"), QStringLiteral("tipo"), from, QStringLiteral("click"),
                     QStringLiteral("aggiorna"), QStringLiteral("set"), QStringLiteral("tipo"), to});
        QElapsedTimer clock;
        clock.start();
        driver->run({QStringLiteral("click"), QStringLiteral("aggiorna")});
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}

// The weight-variation window draws only when a step is asked for (its button or Return): each
// step draws the whole section and every force, which is what a user waits for.
void WeightStep(benchmark::State& state)
{
    auto driver = openAlone(*orb::findWindowByClass("Tvarpeso"));
    driver->run(QStringLiteral("click centrifuga click comp click risul").split(QLatin1Char(' ')));
    orb::Timer* timer = driver->target()->animationTimer();
    for (auto _ : state) {
        driver->run({QStringLiteral("key"), QStringLiteral("Return")});
        timer->fire();
    }
}

const int registered = [] {
    for (const orb::WindowInfo& info : orb::windowTable()) {
        if (!orb::formFactory(info.flag))
            continue;
        const std::string name(info.className);
        benchmark::RegisterBenchmark(("Window/" + name + "/Open").c_str(), FirstActivation, &info)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
        benchmark::RegisterBenchmark(("Window/" + name + "/Tick").c_str(), Tick, &info)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(500);
        benchmark::RegisterBenchmark(("Window/" + name + "/Reactivate").c_str(), Reactivate, &info)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
    if (orb::formFactory(orb::findWindowByClass("Tdopsimul")->flag))
        benchmark::RegisterBenchmark("Window/Tdopsimul/Redraw", DopplerRedraw)
            ->DenseRange(1, 7)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    if (orb::formFactory(orb::findWindowByClass("Toscilla")->flag))
        benchmark::RegisterBenchmark("Window/Toscilla/ModeB", OscillationModeB)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    if (orb::formFactory(orb::findWindowByClass("Tsconcavo")->flag))
        benchmark::RegisterBenchmark("Window/Tsconcavo/Recompute", AntennaRecompute)
            ->DenseRange(0, 1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    if (orb::formFactory(orb::findWindowByClass("Tvarpeso")->flag))
        benchmark::RegisterBenchmark("Window/Tvarpeso/Step", WeightStep)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(500);
    return 0;
}();

}  // namespace
