#!/usr/bin/env bash
# Runs a libFuzzer binary for the given number of seconds, starting from the seed corpus in fuzz/corpus/
# and keeping what it learns in fuzz/corpus-work/ (not versioned). Any crash or sanitizer report fails the
# run. The engine's own work bound ends every evaluation within a fraction of a second even in this
# instrumented build; the per-input limit is only there to report an endless loop, and is set far above
# anything a busy machine could stretch a bounded evaluation to, so that load never fails the run.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 FUZZ-BINARY SECONDS" >&2
    exit 2
fi
binary=$1
seconds=$2
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$root/fuzz/corpus-work"
artifacts="$work/artifacts"
mkdir -p "$work" "$artifacts"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
"$binary" -max_total_time="$seconds" -timeout=300 -max_len=4096 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 "$work" "$root/fuzz/corpus"
