#!/usr/bin/env bash
# Times numbra against `bc -l` on the same seeded file of 100,000 simple arithmetic Terms (integers,
# + - * / and parentheses, no division by zero, nothing either tool reads differently as syntax) and
# prints the ratio numbra / bc of their processor times; below 1.0 numbra is faster. Each tool reads the
# file ROUNDS times over in one run, so that both times lie well above the resolution of `time`, and runs
# three times; the best run counts.
#
# usage: bench/compare-bc.sh [NUMBRA-BINARY] [TERM-COUNT] [SEED] [ROUNDS]
set -euo pipefail

numbra=${1:-build-bench/cli/numbra}
count=${2:-100000}
seed=${3:-20261206}
rounds=${4:-10}

if ! command -v bc >/dev/null 2>&1; then
    if [[ $(id -u) -eq 0 ]]; then
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends bc
    else
        echo "bc is missing; install it with:  sudo apt-get install bc" >&2
        exit 1
    fi
fi
if [[ ! -x $numbra ]]; then
    echo "numbra not found at $numbra (build it first, e.g. make bench)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
terms="$work/terms.txt"

# A linear congruential generator of its own keeps the file identical whichever awk is installed.
awk -v count="$count" -v seed="$seed" '
function next_random(limit) { state = (state * 1103515245 + 12345) % 2147483648; return int(state / 65536) % limit }
function operand(depth) {
    if (depth < 2 && next_random(5) == 0) return "(" expression(depth + 1) ")"
    return 1 + next_random(999)
}
function expression(depth,    text, parts, i, op) {
    text = operand(depth)
    parts = 1 + next_random(4)
    for (i = 0; i < parts; i++) {
        op = substr("+-*/", 1 + next_random(4), 1)
        # Divisors are plain positive integers, so no Term divides by zero.
        text = text op (op == "/" ? 1 + next_random(99) : operand(depth))
    }
    return text
}
BEGIN { state = seed % 2147483648; for (n = 0; n < count; n++) print expression(0) }
' > "$work/once.txt"
for _ in $(seq "$rounds"); do cat "$work/once.txt"; done > "$terms"

# Processor time (user and system) of the tool itself, so that other work on the machine does not count.
best_time() {
    local best="" elapsed
    for _ in 1 2 3; do
        elapsed=$( { TIMEFORMAT='%U %S'; time "$@" < "$terms" > /dev/null; } 2>&1 | awk '{ print $1 + $2 }')
        if [[ -z $best ]] || (( $(echo "$elapsed < $best" | bc -l) )); then
            best=$elapsed
        fi
    done
    echo "$best"
}

numbra_time=$(best_time "$numbra")
bc_time=$(best_time bc -l)
printf 'terms:        %d (seed %d, %d bytes), read %d times over\n' "$count" "$seed" "$(wc -c < "$work/once.txt")" "$rounds"
printf 'numbra:       %.3f s\n' "$numbra_time"
printf 'bc -l:        %.3f s\n' "$bc_time"
printf 'numbra / bc:  %.2f\n' "$(echo "$numbra_time / $bc_time" | bc -l)"
