#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds FreeVantor (Release) and starts it.
# Arguments are passed to the program (e.g. ./run.sh --color-depth 8).
# ./run.sh --web [--port P] builds the browser version and serves it instead.
set -euo pipefail
cd "$(dirname "$0")"

# ./run.sh --web [--port P]: the browser version, built into build/web/ and
# served on 127.0.0.1.
if [ "${1:-}" = "--web" ]; then
  shift
  port=8080
  while [ $# -gt 0 ]; do
    case "$1" in
      --port) port="${2:?--port needs a number}"; shift 2 ;;
      *) echo "usage: ./run.sh --web [--port P]" >&2; exit 2 ;;
    esac
  done
  scripts/build-web.sh
  exec python3 web/serve.py build/web --port "$port"
fi
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
