#!/usr/bin/env bash
# Start-up next to a bare Qt program: from exec to the first drawing of the main window, both started in
# turn on one virtual X display of their own, each timed by bench/startup_clock from outside. Prints
# the median and the spread of each and the ratio of the medians; exits 1 when the ratio is over its
# budget (a ratio to a bare widget).
# Usage: bench/startup.sh SCRIVLET STARTUP_BASELINE STARTUP_CLOCK
set -euo pipefail
scrivlet=$1
baseline=$2
clock=$3
starts=${STARTUP_STARTS:-21}
# What Scrivlet's start-up adds of its own was cut to about 1.2 times the bare program. Beyond that it
# draws what the bare program does not show and any program showing these windows draws: the start-up
# screen's picture and five labels in four fonts (about 0.15 of the bare program's time, measured by
# leaving them out) and a menu bar of six menus and forty entries against one (about 0.06).
budget=1.5

work=$(mktemp -d)
server=
finish() {
    [[ -z $server ]] || kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
# No reset when the last program disconnects: the next start would find the display closed for a while.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || { cat "$work/xvfb.log" >&2; echo "startup: Xvfb did not start" >&2; exit 2; }
export DISPLAY=:$(<"$work/display") XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM

# One start of each first, so that both meet the libraries in the page cache; then in turn, so that a
# passing load falls on both alike.
"$clock" Baseline "$baseline" >/dev/null
"$clock" Scrivlet "$scrivlet" >/dev/null
for _ in $(seq "$starts"); do
    "$clock" Baseline "$baseline" >>"$work/baseline"
    "$clock" Scrivlet "$scrivlet" >>"$work/scrivlet"
done

# "median low–high (quartiles)" of a file of milliseconds.
spread() {
    sort -g "$1" | awk '{ v[NR] = $1 } END {
        printf "%7.1f ms  %6.1f-%-6.1f %6.1f-%-6.1f %4d\n", v[int((NR + 1) / 2)], v[1], v[NR],
               v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)], NR }'
}
median() { sort -g "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "Start-up, exec to the main window's first drawing under Xvfb:"
printf '%-18s %10s  %-13s  %-13s  %s\n' "" median "low-high" quartiles starts
printf '%-18s %s\n' "bare Qt program" "$(spread "$work/baseline")" scrivlet "$(spread "$work/scrivlet")"
ratio=$(awk -v s="$(median "$work/scrivlet")" -v b="$(median "$work/baseline")" 'BEGIN { printf "%.2f", s / b }')
if awk -v r="$ratio" -v limit="$budget" 'BEGIN { exit !(r <= limit) }'; then
    echo "ratio $ratio, within its budget of $budget"
else
    echo "ratio $ratio, OVER its budget of $budget"
    exit 1
fi
