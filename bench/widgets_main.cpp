// The entry of the benchmarks that measure through the real widgets.
#include "bench/ShownWindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    bench::useOffscreenUnlessChosen();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
