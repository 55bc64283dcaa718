#!/usr/bin/env bash
# The layer check must catch each kind of wrong include, planted into a copy of the real source folders.
set -euo pipefail
check=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

plant() {
    local file=$1 line=$2
    rm -rf "$work/tree" && mkdir -p "$work/tree"
    for layer in ui calc dates notes app qt cli; do
        cp -r "$source/$layer" "$work/tree/"
    done
    printf '%s\n' "$line" >>"$work/tree/$file"
    if "$check" "$work/tree" >/dev/null; then
        echo "not caught: '$line' in $file"
        exit 1
    fi
}

"$check" "$source" >/dev/null || { echo "the real tree must pass"; exit 1; }
plant notes/NotesStore.h '#include "app/frmMain.h"'
plant ui/Control.h '#include "notes/NotesStore.h"'
plant calc/MODULCalc.h '#include "dates/MODULDaywise.h"'
plant dates/MODULDaywise.h '#include "ui/Control.h"'
plant app/frmMain.h '#include "qt/MainWindow.h"'
plant app/frmMain.cpp '#include <QString>'
plant ui/Signal.h '  #  include <QtCore/QObject>'
echo "every planted include was caught"
