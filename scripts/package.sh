#!/usr/bin/env bash
# Sets up, makes a release build and packs it as a Debian package; prints the .deb's path.
# Install it with: apt install ./zimo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The package needs only the program: no tests, no benchmarks.
cmake --preset release -DZIMO_BUILD_BENCH=OFF >/dev/null
cmake --build --preset release -j "$(nproc)"
rm -f build/release/zimo_*.deb
(cd build/release && cpack -G DEB >/dev/null)
deb="$(ls build/release/zimo_*.deb)"
cp "$deb" .
echo "$(pwd)/$(basename "$deb")"
