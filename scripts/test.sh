#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite twice: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer that stops at the first error.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
source "$top/scripts/setup.sh"
tarnok_setup
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

build_and_test() {
    local folder="$1"
    shift
    cmake -S "$top" -B "$top/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$top/$folder" -j "$jobs"
    ctest --test-dir "$top/$folder" -j "$jobs" --output-on-failure --timeout 600
}

echo "== Normal build =="
build_and_test build -DTARNOK_TOOLS=ON
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build =="
ASAN_OPTIONS="halt_on_error=1:detect_leaks=1" \
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    build_and_test build-sanitize -DTARNOK_SANITIZE=ON -DTARNOK_BENCH=OFF
