#pragma once

// The main of every benchmark program that needs Qt: fonts, pictures and
// widgets need an application object, and benchmarks run headless.

#include <QByteArray>
#include <benchmark/benchmark.h>

template <class Application> int runBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
