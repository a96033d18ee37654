#!/usr/bin/env bash
# Configures (once) and builds build/ with the sanitizers on.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ! -f build/build.ninja ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGX_SANITIZE=ON
fi
cmake --build build -j "$(nproc)" "$@"
