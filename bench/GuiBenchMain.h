#pragma once
// The main of a benchmark program whose cases use controls: the GUI platform
// runs headless around them.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/gui/Platform.h"

inline int RunBenchmarksWithGui(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  platform::StartGuiPlatform(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  platform::StopGuiPlatform();
  return 0;
}
