#!/usr/bin/env bash
# Builds in release mode and runs the benchmarks on generated books.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-release BUILD_TYPE=Release bash scripts/build.sh
for b in build-release/bin/bench_*; do
  [ -x "$b" ] && QT_QPA_PLATFORM=offscreen "$b" "$@"
done
