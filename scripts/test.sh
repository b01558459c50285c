#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite. Pass "asan" to use the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
bash scripts/setup.sh
bash scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" --output-on-failure
