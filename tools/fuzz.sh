#!/usr/bin/env bash
# Builds the whole project with clang and libFuzzer in build-fuzz/ (which
# also checks that clang compiles every source: program, tests and fuzz
# targets) and fuzzes one target for a number of seconds.
# Usage: tools/fuzz.sh TARGET SECONDS [libFuzzer flags]   (TARGET: a name in fuzz/targets)
#        tools/fuzz.sh --build                           (only the clang build)
# The working corpus grows in build-fuzz/corpus/TARGET, starting from the
# target's seeds; a failing input is written to build-fuzz/crashes/TARGET.
# Mend the fault, then add that input under fuzz/crashes/TARGET so that
# ./test.sh replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: tools/fuzz.sh TARGET SECONDS [libFuzzer flags] | --build}
tools/setup.sh
tools/setup.sh clang
if [[ ! -f build-fuzz/build.ninja ]]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DGX_SANITIZE=ON -DGX_FUZZ=ON -DGX_BENCH=OFF
fi
# Everything: the program, the tests and every fuzz target, so that a source
# clang refuses stops here. At most 4 jobs: the machine is shared.
if [[ "$target" != --build ]]; then
  [[ -f "fuzz/targets/$target.cpp" ]] || { echo "No fuzz target '$target' in fuzz/targets" >&2; exit 2; }
  seconds=${2:?usage: tools/fuzz.sh TARGET SECONDS [libFuzzer flags]}
  shift 2
fi
cmake --build build-fuzz -j "${FUZZ_BUILD_JOBS:-4}"
[[ "$target" == --build ]] && exit 0
corpus=build-fuzz/corpus/$target
crashes=build-fuzz/crashes/$target
mkdir -p "$corpus" "$crashes"
IFS=";" read -r -a seeds < "build-fuzz/fuzz/$target.seeds" || true  # one line, no line end
existing=()
for s in "${seeds[@]}"; do [[ -e "$s" ]] && existing+=("$s"); done
# The targets that read files write them to a scratch folder; in memory
# the safe writer's flushes cost little.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=${TMPDIR:-/dev/shm}
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Seeds in folders of files: libFuzzer reads each folder named after the corpus.
exec "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -artifact_prefix="$crashes/" -print_final_stats=1 "$@" "$corpus" "${existing[@]}"
