#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch root with dpkg -x and runs
# it from there, and checks that its Depends name the package of every library the programs link.
# Usage: check-deb.sh BUILD-DIR
set -euo pipefail
build=$(realpath "$1")
command -v dpkg-deb >/dev/null || { echo "dpkg-deb not found: not a Debian system"; exit 77; }
id=com.example.scrivlet
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# Into a folder of its own, so that a package left by `make package` is never the one tested.
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(echo "$work"/out/*.deb)
root=$work/root
dpkg -x "$deb" "$root"
echo "package: $(basename "$deb")"

expected=(usr/bin/scrivlet usr/bin/numbra usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/scrivlet.1.gz
          usr/share/man/man1/numbra.1.gz usr/share/doc/scrivlet/copyright usr/share/doc/scrivlet/changelog.gz)
for file in "${expected[@]}"; do
    [[ -f $root/$file ]] || fail "$file is not in the package"
done
# Each rendered icon has the size its folder promises.
for png in "$root"/usr/share/icons/hicolor/*x*/apps/$id.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "PNG image data, ${size%x*} x ${size#*x}," || fail "$png is not $size"
done
[[ $(echo "$root"/usr/share/icons/hicolor/*x*/apps/$id.png | wc -w) -ge 4 ]] || fail "too few icon sizes"

# The metainfo, the desktop entry and the icon as a software centre finds them once installed.
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1 || { cat "$work/tree.log"; fail "validate-tree"; }
fi

# Debian's own judgement of the package: no error and no warning.
command -v lintian >/dev/null || fail "lintian is not installed"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail lintian; }

# A dock groups the window with its launcher by the window's class, which Qt takes from the program's
# name.
entry=$root/usr/share/applications/$id.desktop
[[ $(sed -n 's/^StartupWMClass=//p' "$entry") == $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry") ]] ||
    fail "StartupWMClass is not the class of the window Exec opens"

answer=$("$root/usr/bin/numbra" 1+2) || fail "numbra 1+2 failed"
[[ $answer == 3 ]] || fail "numbra 1+2 printed '$answer'"
# The desktop program finds everything it links and is still running after its start-up.
code=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/scrivlet" >"$work/scrivlet.log" 2>&1 || code=$?
[[ $code -eq 124 ]] || { cat "$work/scrivlet.log"; fail "scrivlet ended with status $code during start-up"; }

# The package owning a library the dynamic linker found; merged /usr means dpkg may know it by either path.
owner() {
    local path
    for path in "$1" "/usr$1" "${1#/usr}" "$(readlink -f "$1")"; do
        dpkg-query -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1 && return 0
    done
    return 1
}
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# One package name a line, without versions; either side of an alternative counts.
declared=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/\(.*\)//; s/[[:space:]]//g')
qtPackages=0
for program in scrivlet numbra; do
    binary=$root/usr/bin/$program
    for library in $(objdump -p "$binary" | awk '$1 == "NEEDED" { print $2 }'); do
        path=$(ldd "$binary" | awk -v lib="$library" '$1 == lib { print $3 }')
        [[ -n $path && $path != "not" ]] || { fail "$program: $library not found"; continue; }
        package=$(owner "$path") || { fail "$program: no package owns $path"; continue; }
        [[ $package == libqt6* ]] && qtPackages=$((qtPackages + 1))
        grep -qxF "$package" <<<"$declared" || fail "$program links $library of $package, not in Depends"
    done
done
[[ $qtPackages -gt 0 ]] || fail "scrivlet links no Qt 6 library that a package declares"
[[ $status -eq 0 ]] && echo "the package installs, runs and declares what it links"
exit $status
