#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", needs clang) and fuzzes for SECONDS (default
# 600): the interpreter (target "run") and the hint analysis with the keyword colours
# (target "hints"), side by side, sharing the cores. FUZZ_TARGETS="run" or "hints" picks
# one; further arguments go to libFuzzer. The growing corpora stay in fuzz/corpus and
# fuzz/corpus-hints, crashes, timeouts and out-of-memory inputs land in fuzz/artifacts
# (run-* and hints-*); none of them is checked in.
# Reproduce one finding with: build/fuzz/fuzz/zimo_fuzz_run fuzz/artifacts/run-crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
targets="${FUZZ_TARGETS:-run hints}"
if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ is needed (apt-get install clang)" >&2
    exit 2
fi
cmake --preset fuzz >/dev/null
for target in $targets; do
    cmake --build --preset fuzz --target "zimo_fuzz_$target" -j "$(nproc)"
done

mkdir -p fuzz/corpus fuzz/corpus-hints fuzz/artifacts
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
count=$(echo $targets | wc -w)
jobs=$(( $(nproc) / count ))
[ "$jobs" -ge 1 ] || jobs=1

# Fork mode keeps going after a finding, so one run collects all of them. A run is bounded
# by its step budget, and the analysis by the length of the input; one that takes seconds
# is a fault as much as a crash is.
fuzz() { # target, corpus
    "build/fuzz/fuzz/zimo_fuzz_$1" \
        -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
        -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=2000 \
        -dict=fuzz/zimo.dict -artifact_prefix="fuzz/artifacts/$1-" -print_final_stats=1 \
        "${@:3}" "$2" fuzz/seeds
}
pids=()
for target in $targets; do
    corpus=fuzz/corpus
    [ "$target" = run ] || corpus="fuzz/corpus-$target"
    fuzz "$target" "$corpus" "${@:2}" > >(sed -u "s/^/[$target] /") 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
    wait "$pid" || status=$?
done
exit $status
