#!/usr/bin/env bash
# Builds the benchmarks optimised and without sanitizers in build-bench/ and
# runs them. Usage: tools/bench.sh [bench name, e.g. PlatformGrid] [benchmark flags]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
if [[ ! -f build-bench/build.ninja ]]; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DGX_SANITIZE=OFF
fi
names=("${1:-}")
[[ -n "${1:-}" ]] && shift || names=($(cd bench && ls *.cpp | sed 's/\.cpp$//'))
for n in "${names[@]}"; do
  cmake --build build-bench -j "$(nproc)" --target "bench_$n"
  QT_QPA_PLATFORM=offscreen "build-bench/bin/bench_$n" "$@"
done
