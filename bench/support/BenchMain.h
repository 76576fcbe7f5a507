#pragma once
// A benchmark main that brings up a Qt application on the offscreen platform first, so the
// window and its controls can be measured without a display.

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#define HUEMARK_BENCH_MAIN()                                                                       \
    int main(int argc, char** argv) {                                                              \
        setenv("QT_QPA_PLATFORM", "offscreen", 0);                                                 \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
