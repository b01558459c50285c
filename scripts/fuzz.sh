#!/usr/bin/env bash
# Builds the libFuzzer target (preset "fuzz", needs clang) and fuzzes the interpreter for
# SECONDS (default 600) on both cores; further arguments go to libFuzzer. The growing
# corpus stays in fuzz/corpus, crashes, timeouts and out-of-memory inputs land in
# fuzz/artifacts; neither is checked in.
# Reproduce one finding with: build/fuzz/fuzz/zimo_fuzz_run fuzz/artifacts/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ is needed (apt-get install clang)" >&2
    exit 2
fi
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target zimo_fuzz_run -j "$(nproc)"

mkdir -p fuzz/corpus fuzz/artifacts
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Fork mode keeps going after a finding, so one run collects all of them. A run is bounded
# by its step budget; one that takes seconds is a fault as much as a crash is.
exec build/fuzz/fuzz/zimo_fuzz_run \
    -fork="$(nproc)" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=2000 \
    -dict=fuzz/zimo.dict -artifact_prefix=fuzz/artifacts/ -print_final_stats=1 \
    "${@:2}" fuzz/corpus fuzz/seeds
