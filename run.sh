#!/usr/bin/env bash
# Installs what is missing, builds FreeVantor (Release) and starts it.
# Arguments are passed to the program (e.g. ./run.sh --color-depth 8).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
install_deps runtime

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTOR_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "FreeVantor is built (build/release/qt/vantor), but there is no graphical display to show it on."
  echo "Start ./run.sh from a desktop session, or under a virtual display: xvfb-run ./run.sh"
  exit 1
fi
# The manual of the source tree: the program has no installed one here.
export VANTOR_HELP_DIR="$PWD/docs/help" VANTOR_EXAMPLES_DIR="$PWD/examples"
exec build/release/qt/vantor "$@"
