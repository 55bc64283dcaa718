#!/usr/bin/env bash
# Takes the README's pictures with the screenshot tool, drawn offscreen so that no display is needed:
# the notes view, the calculator panel and the scheduler panel. A panel whose controls are not built yet
# keeps its old picture, or gets none. Usage: tools/screenshot.sh SCREENSHOT-TOOL DOCS-DIR
set -euo pipefail
tool=$1
docs=$2
mkdir -p "$docs"

shoot() {
    local scene=$1 out=$docs/$2
    shift 2
    local code=0
    QT_QPA_PLATFORM="offscreen:configfile=$(dirname "$0")/desktop-screen.json" "$tool" "$scene" "$out" "$@" || code=$?
    case $code in
    0) echo "screenshot: wrote $out" ;;
    3) echo "screenshot: no $scene panel yet, $out left as it is" ;;
    *) echo "screenshot: the $scene picture failed" >&2; exit 1 ;;
    esac
}

shoot notes screenshot.png
shoot calculator calculator.png '(12.5+3)*2-7/4'
shoot scheduler scheduler.png
