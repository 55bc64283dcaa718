#!/usr/bin/env bash
# Resident memory of Scrivlet after start-up next to an empty Qt main window started the same way:
#   bench/idle-memory.sh SCRIVLET MINIMAL_WINDOW
# "private" is the process's own memory (anonymous pages); "mapped files" are the pages of libraries and
# fonts it has touched, which every Qt program on the desktop shares.
set -euo pipefail
settle=${SETTLE_SECONDS:-2}

# Prints "total private files" in KiB.
resident() {
    QT_QPA_PLATFORM=offscreen "$1" >/dev/null 2>&1 &
    local pid=$!
    sleep "$settle"
    awk '/^VmRSS:/ { t = $2 } /^RssAnon:/ { a = $2 } /^RssFile:/ { f = $2 } END { print t, a, f }' \
        "/proc/$pid/status"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

read -r sTotal sAnon sFile < <(resident "$1")
read -r mTotal mAnon mFile < <(resident "$2")
printf '%-16s %10s %10s %14s\n' "" "resident" "private" "mapped files"
printf '%-16s %6d KiB %6d KiB %10d KiB\n' scrivlet "$sTotal" "$sAnon" "$sFile" \
    "minimal window" "$mTotal" "$mAnon" "$mFile" \
    difference $((sTotal - mTotal)) $((sAnon - mAnon)) $((sFile - mFile))
