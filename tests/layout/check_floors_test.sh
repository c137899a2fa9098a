#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The layering check must hold on the real tree and must catch what it is
# for: an include from a floor to a floor above it, folders of one floor
# that include each other in a cycle, and a command line that reaches for
# the windows.
set -u
check=$1
tree=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

"$check" "$tree" || { echo "the source tree breaks its layering"; fail=1; }

make_tree() {
    rm -rf "$tmp/t" && mkdir -p "$tmp/t/src/model/a" "$tmp/t/src/model/b" "$tmp/t/src/windows/w"
    : > "$tmp/t/src/model/a/A.h"; : > "$tmp/t/src/model/b/B.h"; : > "$tmp/t/src/windows/w/W.h"
}
expect_refused() {
    if "$check" "$tmp/t" > "$tmp/out" 2>&1; then echo "not caught: $1"; fail=1
    elif ! grep -q "$2" "$tmp/out"; then echo "caught without saying why: $1"; cat "$tmp/out"; fail=1; fi
}

make_tree
echo '#include "windows/w/W.h"' > "$tmp/t/src/model/a/A.h"
expect_refused "a floor including a floor above it" "may include only floors below"

make_tree
echo '#include "model/b/B.h"' > "$tmp/t/src/model/a/A.h"
echo '#include "model/a/A.h"' > "$tmp/t/src/model/b/B.h"
expect_refused "two folders of one floor including each other" "cycle"

make_tree
seq 501 | sed 's|^|// |' > "$tmp/t/src/model/b/B.h"
expect_refused "a file of 501 lines" "501 lines"

make_tree
mkdir -p "$tmp/t/cli" "$tmp/t/src/app"
: > "$tmp/t/src/app/Program.h"
echo '#include "windows/w/W.h"' > "$tmp/t/cli/Render.cpp"
expect_refused "the command line including a window" "cli/Render.cpp includes windows/w/W.h"

make_tree
mkdir -p "$tmp/t/cli" "$tmp/t/src/app"
: > "$tmp/t/src/app/Program.h"
printf '#include "model/a/A.h"\n  #  include "app/Program.h"\n' > "$tmp/t/cli/Scene.h"
expect_refused "the command line including the program" "cli/Scene.h includes app/Program.h"

make_tree
mkdir -p "$tmp/t/cli"
printf '#include "model/a/A.h"\n#include "Local.h"\n' > "$tmp/t/cli/Render.cpp"
"$check" "$tmp/t" > /dev/null || { echo "the command line was refused an include of the model"; fail=1; }

make_tree
echo '#include "model/b/B.h"' > "$tmp/t/src/windows/w/W.h"
"$check" "$tmp/t" > /dev/null || { echo "an include downward was refused"; fail=1; }
exit $fail
