#!/usr/bin/env bash
# Takes a picture of Scrivlet's start-up window on a virtual X screen: tools/screenshot.sh BINARY OUT.png
# With --calculator TERM after them, the calculator panel is opened and TERM typed into it first.
set -euo pipefail
here=$(dirname "$0")
binary=$(realpath "$1")
out=$2
term=""
if [[ ${3:-} == --calculator ]]; then
    term=${4:?"--calculator needs a term"}
fi
mkdir -p "$(dirname "$out")"
out=$(realpath "$out")

# xwininfo (x11-utils) tells when the window is up; the other three packages the caller installs.
"$here/ensure-packages.sh" xvfb xauth imagemagick x11-utils
# xdotool clicks and types like a user when the calculator is to be shown.
[[ -z $term ]] || "$here/ensure-packages.sh" xdotool

# Runs inside the virtual display: start the program, wait for its window to be mapped, let it paint,
# take the whole screen, and end the program.
inner=$(cat <<'INNER'
set -euo pipefail
binary=$1
out=$2
term=$3
"$binary" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
shown() { xwininfo -root -tree 2>/dev/null | grep -q '"Scrivlet"'; }
for _ in $(seq 1 100); do
    shown && break
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "screenshot: $binary ended before its window appeared" >&2
        exit 1
    fi
    sleep 0.1
done
shown || { echo "screenshot: no Scrivlet window appeared" >&2; exit 1; }
# The window is mapped before its first paint has reached the screen.
sleep 1
# Only the window's part of the screen is kept; without a window manager it has no frame.
geometry() { xwininfo -name Scrivlet | awk -v key="$1" '$0 ~ key { print $NF }'; }
if [[ -n $term ]]; then
    left=$(geometry 'Absolute upper-left X:'); top=$(geometry 'Absolute upper-left Y:')
    width=$(geometry Width:)
    # The calculator tab's button sits at the top of the tab strip at the right edge, under the menu bar;
    # the input line is the first field of the panel, which opens beside the strip.
    xdotool mousemove $((left + width - 52)) $((top + 48)) click 1
    sleep 0.5
    xdotool mousemove $((left + width - 100 - 4 - 140)) $((top + 60)) click 1
    sleep 0.3
    xdotool type --delay 40 "$term"
    sleep 0.5
fi
crop="$(geometry Width:)x$(geometry Height:)+$(geometry 'Absolute upper-left X:')+$(geometry 'Absolute upper-left Y:')"
timeout 30 import -window root -crop "$crop" +repage "$out"
INNER
)
timeout 120 xvfb-run -a -s "-screen 0 1024x720x24" bash -c "$inner" screenshot "$binary" "$out" "$term"
echo "screenshot: wrote $out"
