#!/usr/bin/env bash
# Compares the engine in the working tree with the engine of a base revision, answer by answer, on the
# seeded corpus of bench/engine_answers.cpp (random, structured, long and stepwise Terms, slots and
# flags). Any difference is a regression: the engine's answers must not change when it is made faster.
# Both engines are compiled here with the same driver, so nothing else of the build is involved.
#
# usage: bench/compare-engine.sh [BASE-REVISION] [SCALE]
#        BASE-REVISION defaults to main; SCALE (default 1) multiplies the 150,000 cases.
set -euo pipefail

base=${1:-main}
scale=${2:-1}
root=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/base"
git -C "$root" archive "$base" calc | tar -x -C "$work/base"

build() { # SOURCE-ROOT OUTPUT
    g++ -std=c++20 -O2 -I"$1" "$root/bench/engine_answers.cpp" "$1"/calc/*.cpp -o "$2"
}
build "$work/base" "$work/answers-base" &
build "$root" "$work/answers-new"
wait

"$work/answers-base" "$scale" > "$work/base.txt" &
"$work/answers-new" "$scale" > "$work/new.txt"
wait

if cmp -s "$work/base.txt" "$work/new.txt"; then
    echo "same answers on all $(wc -l < "$work/new.txt") cases (base $base)"
    exit 0
fi
echo "answers differ from $base:"
diff "$work/base.txt" "$work/new.txt" | head -n 20
first=$(diff "$work/base.txt" "$work/new.txt" | awk '/^</ { print $2; exit }')
echo "first differing case, $first:"
"$work/answers-new" --case "$first" | cut -c1-400
exit 1
