#!/usr/bin/env bash
# Builds the program and starts it with the sample book.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/bin/zandolin "${1:-$PWD/build/bin/Files/Sample.zdl}"
