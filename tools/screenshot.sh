#!/usr/bin/env bash
# Takes a picture of Scrivlet's start-up window on a virtual X screen:
#   tools/screenshot.sh [--scheduler] BINARY OUT.png
# With --scheduler the scheduler panel is opened first, from its menu, as a user would.
set -euo pipefail
here=$(dirname "$0")
keys=""
if [[ "${1:-}" == "--scheduler" ]]; then
    keys="alt+s Return"
    shift
fi
binary=$(realpath "$1")
out=$2
mkdir -p "$(dirname "$out")"
out=$(realpath "$out")

# xwininfo (x11-utils) tells when the window is up; the other three packages the caller installs.
"$here/ensure-packages.sh" xvfb xauth imagemagick x11-utils
# xdotool types the keys that open a panel.
[[ -z "$keys" ]] || "$here/ensure-packages.sh" xdotool

# Runs inside the virtual display: start the program, wait for its window to be mapped, let it paint,
# take the whole screen, and end the program.
inner=$(cat <<'INNER'
set -euo pipefail
binary=$1
out=$2
keys=$3
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
if [[ -n "$keys" ]]; then
    # Without a window manager nothing gives the window the keyboard until it is asked to take it.
    window=$(xdotool search --name '^Scrivlet$' | head -n 1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    # One key at a time, so that each reaches the menu it opened.
    for key in $keys; do
        xdotool key --window "$window" "$key"
        sleep 0.3
    done
fi
# The window is mapped before its first paint has reached the screen.
sleep 1
# Only the window's part of the screen is kept; without a window manager it has no frame.
geometry() { xwininfo -name Scrivlet | awk -v key="$1" '$0 ~ key { print $NF }'; }
crop="$(geometry Width:)x$(geometry Height:)+$(geometry 'Absolute upper-left X:')+$(geometry 'Absolute upper-left Y:')"
timeout 30 import -window root -crop "$crop" +repage "$out"
INNER
)
timeout 120 xvfb-run -a -s "-screen 0 1024x720x24" bash -c "$inner" screenshot "$binary" "$out" "$keys"
echo "screenshot: wrote $out"
