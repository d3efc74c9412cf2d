#pragma once
// The main() of the benchmarks that draw: pictures and fonts need a GUI application, which runs
// on the offscreen platform with silent sound unless the environment says otherwise.

#include <cstdlib>

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#define BRILLOR_BENCHMARK_MAIN()                                                           \
  int main(int argc, char** argv) {                                                        \
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);        \
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);            \
    QGuiApplication app(argc, argv);                                                       \
    benchmark::Initialize(&argc, argv);                                                    \
    benchmark::RunSpecifiedBenchmarks();                                                   \
    benchmark::Shutdown();                                                                 \
    return 0;                                                                              \
  }
