#!/usr/bin/env bash
# Installs what is missing, builds the optimised program in build-release/
# (no sanitizers; the tests keep theirs in build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
if [[ ! -f build-release/build.ninja ]]; then
  cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGX_BENCH=OFF
fi
cmake --build build-release -j "$(nproc)" --target gx4410-configurator
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found. Start the configurator under a virtual display with:"
  echo "  xvfb-run -a ./run.sh"
  exit 1
fi
exec build-release/bin/gx4410-configurator
