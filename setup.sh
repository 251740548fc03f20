#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brenvolt, builds it, and then plays or tests it.
#   ./setup.sh play      install what is missing, build, start the game
#   ./setup.sh test      install what is missing, build, run the whole test suite headless
#   ./setup.sh sanitize  the same tests in a build with AddressSanitizer and UBSan
#   ./setup.sh tsan      the tests of the threaded code (window, engine, game play, Qt window)
#                        in a build with ThreadSanitizer
#   ./setup.sh fuzz      after sanitize: each fuzz target for FUZZ_SECONDS (60) with libFuzzer,
#                        then SOAK_GAMES (1000) games of self-play checked after every move
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-play}
packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-tools-dev
  qt6-l10n-tools libsdl2-mixer-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-mincho xvfb xauth xdotool
  imagemagick sox desktop-file-utils appstream dpkg-dev python3 qt6-translations-l10n)

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

configure_sanitize() {
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRENVOLT_SANITIZE=ON \
    -DBRENVOLT_BENCHMARKS=OFF ${BRENVOLT_CMAKE_ARGS:-} >/dev/null
}

sanitizer_env() {
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}

# libFuzzer needs clang; the code under test is instrumented for coverage as well.
fuzz_and_soak() {
  local seconds=${FUZZ_SECONDS:-60} games=${SOAK_GAMES:-1000}
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRENVOLT_SANITIZE=ON -DBRENVOLT_FUZZ=ON -DBRENVOLT_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link ${BRENVOLT_CMAKE_ARGS:-} >/dev/null
  cmake --build build-fuzz -j "$(nproc)" --target fuzz_form_events fuzz_engine_lines \
    fuzz_record_file fuzz_sound_file fuzz_sound_library
  headless_env
  sanitizer_env
  for target in form_events engine_lines record_file sound_file sound_library; do
    local work=build-fuzz/corpus/$target
    mkdir -p "$work"
    echo "fuzzing $target for ${seconds}s"
    local dict=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
    build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
      -print_final_stats=1 "${dict[@]}" "$work" "fuzz/corpus/$target" 2>"build-fuzz/$target.log" ||
      { tail -n 40 "build-fuzz/$target.log"; return 1; }
    grep -E '^(stat::number_of_executed_units|tried )' "build-fuzz/$target.log"
  done
  configure_sanitize
  cmake --build build-sanitize -j "$(nproc)" --target brenvolt-engine
  soak build-sanitize/engine/brenvolt-engine "$games"
}

# Self-play in the sanitizer build; every game must end in a five, a draw or no move left.
soak() {  # soak <engine> <games>
  local out=build-sanitize/soak.txt
  echo "soak: $2 games of self-play"
  echo "bench $2 1" | "$1" >"$out"
  local ended
  ended=$(grep -cE '^info string game [0-9]+ plies [0-9]+ result (b|w|draw|stuck)$' "$out" || true)
  grep -E '^(games|plies|signature) ' "$out"
  if [ "$ended" -ne "$2" ]; then
    grep -vE 'result (b|w|draw|stuck)$' "$out" | head -n 20
    echo "soak: only $ended of $2 games ended soundly" >&2
    return 1
  fi
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
    sanitizer_env
    run_tests build-sanitize
    ;;
  tsan)
    build build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENVOLT_TSAN=ON -DBRENVOLT_BENCHMARKS=OFF \
      ${BRENVOLT_CMAKE_ARGS:-}
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan_suppressions.txt"
    run_tests build-tsan
    ;;
  fuzz)
    fuzz_and_soak
    ;;
  *)
    echo "usage: $0 [play|test|sanitize|tsan|fuzz]" >&2
    exit 2
    ;;
esac
