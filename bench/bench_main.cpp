// Benchmark entry point: the benchmarks run with a headless application and the canvas's font.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "raster/qt/qt_font.h"

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    raster::qt::installFontEngine();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
