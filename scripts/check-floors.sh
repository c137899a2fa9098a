#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the layering of src/ visible and true:
#  - each floor includes only itself and the floors below it;
#  - the include graph between the folders of src/ has no cycle;
#  - the command line (cli/) includes nothing from windows/ or app/: it
#    draws through model/, render/ and export/ alone;
#  - no product source file passes 500 lines.
# Usage: check-floors.sh [SOURCE_ROOT]   (default: the repository of this script)
# Run with sh as well as bash: it needs bash's arrays.
if [ -z "${BASH_VERSION:-}" ]; then exec bash "$0" "$@"; fi
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

# The floors from the bottom up; floors on the same level may not include each other.
declare -A level=([platform]=0 [language]=1 [model]=2 [render]=3 [export]=3 [windows]=4 [app]=5)

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

while IFS= read -r file; do
    from_dir=$(dirname "${file#src/}")
    from_floor=${from_dir%%/*}
    if [[ -z ${level[$from_floor]+x} ]]; then
        echo "floors: $file lies in no floor (${!level[*]})"; status=1; continue
    fi
    while IFS= read -r inc; do
        [[ -f src/$inc ]] || continue
        to_dir=$(dirname "$inc")
        to_floor=${to_dir%%/*}
        if [[ $to_floor != "$from_floor" ]] && (( ${level[$to_floor]} >= ${level[$from_floor]} )); then
            echo "floors: $file includes $inc: $from_floor may include only floors below it"
            status=1
        fi
        [[ $to_dir != "$from_dir" ]] && echo "$from_dir $to_dir" >> "$edges"
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

if ! sort -u "$edges" | tsort > /dev/null 2> "$edges.err"; then
    echo "floors: the folders of src/ include each other in a cycle:"
    grep -v 'input contains a loop' "$edges.err" | sed 's/^tsort: /  /'
    status=1
fi
rm -f "$edges.err"

if [[ -d cli ]]; then
    while IFS= read -r file; do
        while IFS= read -r inc; do
            case $inc in
                windows/*|app/*)
                    echo "floors: $file includes $inc: the command line draws without windows (model/, render/, export/)"
                    status=1 ;;
            esac
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    done < <(find cli -name '*.h' -o -name '*.cpp' | sort)
fi

while read -r lines file; do
    [[ $file == total ]] && continue
    if (( lines > 500 )); then echo "floors: $file has $lines lines (at most 500)"; status=1; fi
done < <(for d in src cli qt; do [[ -d $d ]] && find "$d" -name '*.h' -o -name '*.cpp'; done | xargs wc -l)

(( status == 0 )) && echo "floors: $(find src -name '*.h' -o -name '*.cpp' | wc -l) files, layering holds"
exit $status
