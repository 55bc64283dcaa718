#!/usr/bin/env bash
# Takes the pictures with the screenshot tool, drawn offscreen in its pinned setting (the same on every
# machine, tools/screenshot/PinnedApplication.h), so that no display is needed: the README's notes view,
# calculator panel and scheduler panel, and a panel on a 640 x 480 screen, at twice the scale and right to
# left. The skin's tests compare the window with these pictures, so take them again after changing how it
# looks.
# Usage: tools/screenshot.sh SCREENSHOT-TOOL DOCS-DIR
set -euo pipefail
tool=$1
docs=$2
mkdir -p "$docs"

shoot() {
    local scene=$1 out=$docs/$2
    if ! "$tool" "$scene" "$out"; then
        echo "screenshot: the $scene picture failed" >&2
        exit 1
    fi
    echo "screenshot: wrote $out"
}

shoot notes screenshot.png
shoot calculator calculator.png
shoot scheduler scheduler.png
shoot small-screen small-screen.png
shoot scaled scaled.png
shoot right-to-left right-to-left.png
