#!/usr/bin/env bash
# Fails when a source file includes a header of a layer it must not use, or when a layer below the skin
# includes a Qt header. Usage: check-layers.sh [source root] (default: the repository).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

# What each folder may include of the project's own folders; the skin (qt/) may use every layer.
declare -A may=(
    [ui]="ui"
    [calc]="calc"
    [dates]="dates"
    [notes]="notes ui"
    [app]="app notes calc dates ui"
    [cli]="cli calc"
)
layers="ui calc dates notes app qt cli"
qtFree="ui calc dates notes app cli"

status=0
for layer in "${!may[@]}"; do
    [[ -d "$root/$layer" ]] || continue
    while IFS= read -r hit; do
        [[ -n "$hit" ]] || continue
        dep=$(sed -E 's/^[^:]*:[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/' <<<"$hit")
        [[ " $layers " == *" $dep "* ]] || continue
        if [[ " ${may[$layer]} " != *" $dep "* ]]; then
            echo "layer rule broken ($layer may use: ${may[$layer]}): ${hit#"$root"/}"
            status=1
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$root/$layer" \
                 --include='*.h' --include='*.cpp' || true)
done
for layer in $qtFree; do
    [[ -d "$root/$layer" ]] || continue
    while IFS= read -r hit; do
        [[ -n "$hit" ]] || continue
        echo "Qt below the skin: ${hit#"$root"/}"
        status=1
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q[A-Za-z]*' "$root/$layer" \
                 --include='*.h' --include='*.cpp' || true)
done
[[ $status -eq 0 ]] && echo "layer rules hold"
exit $status
