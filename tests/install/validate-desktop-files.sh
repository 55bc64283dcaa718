#!/usr/bin/env bash
# Runs the desktop's own validators over the menu entry and the metainfo, and man over the man pages,
# each when it is installed; a warning fails as an error does. Usage: validate-desktop-files.sh DATA-DIR
set -uo pipefail
data=$1
status=0
ran=0

# Prints what a validator said and fails on its exit status or on any line matching `bad`.
judge() {
    local what=$1 bad=$2 output=$3 code=$4
    [[ -z $output ]] || echo "$output"
    if [[ $code -ne 0 ]] || grep -qiE "$bad" <<<"$output"; then
        echo "FAIL: $what"
        status=1
    fi
}

# A hint fails too: two main categories, for one, show the program twice in some menus.
if command -v desktop-file-validate >/dev/null && ran=1; then
    output=$(desktop-file-validate "$data"/*.desktop 2>&1)
    judge desktop-file-validate 'error:|warning:|hint:' "$output" $?
fi
if command -v appstreamcli >/dev/null && ran=1; then
    output=$(appstreamcli validate --no-net --pedantic "$data"/*.metainfo.xml 2>&1)
    judge "appstreamcli validate" '^[EW]:' "$output" $?
fi
for page in "$data"/man/*.1; do
    command -v man >/dev/null && ran=1 || break
    output=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    judge "man --warnings $(basename "$page")" '.' "$output" $?
done
if [[ $ran -eq 0 ]]; then
    echo "none of desktop-file-validate, appstreamcli, man is installed: nothing to validate"
    exit 77
fi
[[ $status -eq 0 ]] && echo "desktop files and man pages: valid"
exit $status
