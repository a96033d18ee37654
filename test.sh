#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
tools/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)"
# The window walk and the real-input tests once more on an X server (Xvfb),
# where the machine can start one; CI machines without one skip this run.
XVFB_SCREEN="-screen 0 1366x768x24"
if command -v xvfb-run >/dev/null && xvfb-run -a -s "$XVFB_SCREEN" true >/dev/null 2>&1; then
  echo "Window walk under Xvfb:"
  QT_QPA_PLATFORM=xcb LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    xvfb-run -a -s "$XVFB_SCREEN" bin/test_app --gtest_filter='EveryWindow.*:RealInput.*' --gtest_brief=1
  echo "Drop-down real input under Xvfb:"
  QT_QPA_PLATFORM=xcb LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    xvfb-run -a -s "$XVFB_SCREEN" bin/test_grid --gtest_filter='*DropDownRealInput.*:DropDownTypedEntry.*:DropDownStrips.*:AdvButtonInput.*' --gtest_brief=1
else
  echo "Window walk under Xvfb: skipped (no X server could be started here)"
fi
