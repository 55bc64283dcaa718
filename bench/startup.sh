#!/usr/bin/env bash
# Start-up next to a bare Qt program: from exec to the first drawing of the main window, each program
# started in turn on one virtual X display of their own and timed by bench/startup_clock from outside.
# The bare program runs twice: as it is, and lettered, its first window showing the five lines of
# Scrivlet's start-up screen in their faces and sizes, which any program showing that screen must load and
# draw. Prints the median and the spread of each and the ratios of the medians; exits 1 when Scrivlet's
# ratio to the lettered program is over its budget (a ratio to a bare widget).
# Usage: bench/startup.sh SCRIVLET STARTUP_BASELINE STARTUP_CLOCK
set -euo pipefail
scrivlet=$1
baseline=$2
clock=$3
starts=${STARTUP_STARTS:-21}
budget=1.2

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

# One start of each first, so that all meet the libraries in the page cache; then in turn, so that a
# passing load falls on all alike.
programs=(bare lettered scrivlet)
start() {
    case $1 in
    bare) "$clock" Baseline "$baseline" ;;
    lettered) "$clock" Baseline "$baseline" --lettered ;;
    scrivlet) "$clock" Scrivlet "$scrivlet" ;;
    esac
}
for program in "${programs[@]}"; do start "$program" >/dev/null; done
for _ in $(seq "$starts"); do
    for program in "${programs[@]}"; do start "$program" >>"$work/$program"; done
done

# "median low–high (quartiles)" of a file of milliseconds.
spread() {
    sort -g "$1" | awk '{ v[NR] = $1 } END {
        printf "%7.1f ms  %6.1f-%-6.1f %6.1f-%-6.1f %4d\n", v[int((NR + 1) / 2)], v[1], v[NR],
               v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)], NR }'
}
median() { sort -g "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "Start-up, exec to the main window's first drawing under Xvfb:"
printf '%-26s %10s  %-13s  %-13s  %s\n' "" median "low-high" quartiles starts
printf '%-26s %s\n' "bare Qt program" "$(spread "$work/bare")" \
    "bare, start-up screen lettered" "$(spread "$work/lettered")" scrivlet "$(spread "$work/scrivlet")"
ratio() { awk -v s="$(median "$work/$1")" -v b="$(median "$work/$2")" 'BEGIN { printf "%.2f", s / b }'; }
echo "ratio to the bare program $(ratio scrivlet bare) (the lettered one's $(ratio lettered bare))"
lettered=$(ratio scrivlet lettered)
if awk -v r="$lettered" -v limit="$budget" 'BEGIN { exit !(r <= limit) }'; then
    echo "ratio to the lettered program $lettered, within its budget of $budget"
else
    echo "ratio to the lettered program $lettered, OVER its budget of $budget"
    exit 1
fi
