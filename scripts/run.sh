#!/usr/bin/env bash
# Sets up, builds (Release) and starts Tarnok.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
source "$top/scripts/setup.sh"
tarnok_setup
cmake -S "$top" -B "$top/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTARNOK_TESTS=OFF -DTARNOK_BENCH=OFF >/dev/null
cmake --build "$top/build-release" --target tarnok
exec "$top/build-release/src/tarnok"
