#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brenvolt, builds it, and then plays or tests it.
#   ./setup.sh play      install what is missing, build, start the game
#   ./setup.sh test      install what is missing, build, run the whole test suite headless
#   ./setup.sh sanitize  the same tests in a build with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-play}
packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libsdl2-mixer-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-mincho xvfb xauth xdotool
  imagemagick sox desktop-file-utils appstream dpkg-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {  # build <dir> [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

headless_env() {
  export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
  export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
  chmod 700 "$XDG_RUNTIME_DIR"
}

run_tests() {  # run_tests <dir>
  headless_env
  ctest --test-dir "$1" --output-on-failure -j "$(nproc)" --timeout 600
}

install_missing
case "$mode" in
  play)
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec ./build/app/brenvolt
    ;;
  test)
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${BRENVOLT_CMAKE_ARGS:-}
    run_tests build
    ;;
  sanitize)
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBRENVOLT_SANITIZE=ON -DBRENVOLT_BENCHMARKS=OFF \
      ${BRENVOLT_CMAKE_ARGS:-}
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      run_tests build-sanitize
    ;;
  *)
    echo "usage: $0 [play|test|sanitize]" >&2
    exit 2
    ;;
esac
