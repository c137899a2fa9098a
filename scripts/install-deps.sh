# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh, test.sh and build-package.sh: installs the Debian
# packages the build (runtime), the package (package) or the tests (test)
# need, only those missing, with sudo when not root.
install_deps() {
  local kind="$1"
  # dpkg-dev gives the distribution's hardening flags to every build.
  local pkgs=(cmake g++ make pkg-config dpkg-dev qt6-base-dev qt6-qpa-plugins libgl-dev zlib1g-dev libgif-dev libimagequant-dev libpolyclipping-dev lib3mf-dev libzip-dev libcairo2-dev fonts-ipafont-gothic qt6-translations-l10n)
  if [ "$kind" = "package" ] || [ "$kind" = "test" ]; then
    # dpkg-shlibdeps reads the libraries into Depends; it needs file.
    pkgs+=(file)
  fi
  # The browser version: emscripten, the source packages of its libraries
  # (dpkg-dev for apt-get source), node for the command line as wasm, and
  # python3 for the local server.
  if [ "$kind" = "web" ]; then
    pkgs=(cmake make pkg-config emscripten binaryen dpkg-dev nodejs python3 ccache)
  fi
  if [ "$kind" = "test" ]; then
    pkgs+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev xvfb xauth desktop-file-utils admesh strace
            dpkg-dev file lintian appstream prusa-slicer openbox xdotool x11-utils
            poppler-utils librsvg2-bin python3-ezdxf
            emscripten binaryen nodejs python3 ccache chromium)
  fi
  local missing=()
  # npm comes with some node packages; Debian's own only where it is missing.
  if [ "$kind" != "runtime" ] && [ "$kind" != "web" ] && ! command -v npm >/dev/null; then missing+=(npm); fi
  for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ "${#missing[@]}" -eq 0 ]; then return 0; fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}"
}
