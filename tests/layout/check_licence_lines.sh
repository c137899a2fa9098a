#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the project says its licence in its first two lines,
# so a file handed on alone still carries it. Run in the source folder.
cd "${1:?usage: check_licence_lines.sh SOURCE_DIR}" || exit 1
missing=0
for f in $(find src cli qt tests bench fuzz tools web scripts cmake -type f \
             \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' -o -name '*.sh' -o -name '*.py' \
                -o -name '*.js' -o -name '*.mjs' -o -name '*.css' -o -name CMakeLists.txt \) \
             -not -path '*/node_modules/*' -not -path '*/corpus/*') CMakeLists.txt run.sh test.sh; do
  if ! head -n 2 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no licence line: $f"
    missing=$((missing + 1))
  fi
done
[ "$missing" -eq 0 ] && echo "every source file names its licence"
[ "$missing" -eq 0 ]
