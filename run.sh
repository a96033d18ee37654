#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
tools/build.sh gx4410-configurator
export ASAN_OPTIONS=detect_leaks=0
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found. Start the configurator under a virtual display with:"
  echo "  xvfb-run -a ./run.sh"
  exit 1
fi
exec build/bin/gx4410-configurator
