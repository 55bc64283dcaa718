#!/usr/bin/env bash
# Runs a libFuzzer binary for the given number of seconds, starting from the seed corpus in fuzz/corpus/
# and keeping what it learns in fuzz/corpus-work/ (not versioned). Any crash, sanitizer report or single
# input that takes longer than one second fails the run.
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
"$binary" -max_total_time="$seconds" -timeout=1 -max_len=4096 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 "$work" "$root/fuzz/corpus"
