#!/usr/bin/env bash
# Configures (once) and builds build/ with the sanitizers on.
# Usage: tools/build.sh [-jN] [target...]   (no target: everything)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
targets=()
for arg in "$@"; do
  case "$arg" in
    -j*) jobs=${arg#-j} ;;
    --target) ;;
    *) targets+=(--target "$arg") ;;
  esac
done
if [[ ! -f build/build.ninja ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGX_SANITIZE=ON
fi
cmake --build build -j "$jobs" "${targets[@]}"
