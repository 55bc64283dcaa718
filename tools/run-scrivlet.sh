#!/usr/bin/env bash
# Starts Scrivlet, or explains plainly what to do when there is no display to show it on.
set -euo pipefail
binary=$1
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    cat >&2 <<MSG
Scrivlet is built ($binary), but this session has no display to open its window on.
Run it on a desktop session, or without a screen in one of these ways:
  QT_QPA_PLATFORM=offscreen $binary     (runs headless; nothing is shown)
  xvfb-run -a $binary                   (a virtual X display; apt-get install xvfb)
MSG
    exit 1
fi
exec "$binary"
