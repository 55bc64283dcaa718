#!/usr/bin/env bash
# Runs `make test` the way a machine far from the developers' would: in a fresh clone of the commit
# checked out, as the invoking user, with no LANG, LANGUAGE or LC_* set, Qt asked to scale by 1.5 and to
# draw fonts at 120 dpi, the Noto and Liberation fonts installed where that is allowed, and two busy loops
# competing for the CPU; once with the clock fourteen hours ahead of UTC and once eleven hours behind.
# Usage: tools/test-anywhere.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fontPackages=(fonts-noto-mono fonts-noto-core fonts-liberation2)

say() { echo "test-anywhere: $*"; }

# Fonts that answer the generic families before DejaVu does, on many desktops.
[[ $(id -u) -ne 0 ]] || "$root/tools/ensure-packages.sh" "${fontPackages[@]}"
fonts="the Noto and Liberation fonts"
families=$(fc-list : family)
if ! grep -q 'Noto Sans Mono' <<<"$families" || ! grep -q 'Liberation Sans' <<<"$families"; then
    say "skipped: $fonts are missing and only root may install them:"
    say "  sudo apt-get install ${fontPackages[*]}"
    fonts="no Noto or Liberation fonts"
fi
[[ $(id -u) -ne 0 ]] || say "run as root: run it as an ordinary user to try an ordinary user's rights"

commit=$(git -C "$root" rev-parse HEAD)
[[ -z $(git -C "$root" status --porcelain --untracked-files=no) ]] ||
    say "uncommitted changes are not tested: this tests commit $commit"
work=$(mktemp -d)
busy=()
finish() {
    for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT
git clone --quiet --no-checkout "$root" "$work/scrivlet"
git -C "$work/scrivlet" checkout --quiet --detach "$commit"
# The cache only saves compiling again; paths below the clone count as the same wherever it lies.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$work
fi

for _ in 1 2; do
    (while :; do :; done) &
    busy+=($!)
done
while read -r name; do
    unset "$name"
done < <(compgen -e | grep -E '^(LANG|LANGUAGE|LC_[A-Z_]+)$')
export QT_SCALE_FACTOR=1.5 QT_FONT_DPI=120
for zone in Pacific/Kiritimati Pacific/Pago_Pago; do
    say "make test with TZ=$zone"
    TZ=$zone make -C "$work/scrivlet" --no-print-directory test
done
say "passed: commit $commit as $(id -un) with $fonts, LANG and LC_* unset," \
    "TZ=Pacific/Kiritimati and Pacific/Pago_Pago, QT_SCALE_FACTOR=1.5, QT_FONT_DPI=120, two busy loops"
