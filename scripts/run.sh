#!/usr/bin/env bash
# Sets up, builds and opens the Zimo window. Extra arguments go to zimo (e.g. a .zkf file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh dev
exec build/dev/src/app/zimo "$@"
