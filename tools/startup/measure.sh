#!/usr/bin/env bash
# Start-up of the game against a bare Qt window with a menu bar, side by side in one run:
# whole-process wall-clock time from start to the first paint of the client area, and peak
# memory (maximum resident set size), each the median of RUNS runs (default 15), measured with
# /usr/bin/time -v. Both programs end by themselves after their first paint.
#   tools/startup/measure.sh [BUILD_DIR]        (default: build)
# Runs offscreen with the dummy sound driver unless QT_QPA_PLATFORM / SDL_AUDIODRIVER say
# otherwise; run it from the checkout so the game finds its sounds as a player's would.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-15}
game="$build/app/brenvolt"
bare="$build/tools/startup/brenvolt_bare_window"
for program in "$game" "$bare"; do
  [ -x "$program" ] || { echo "missing $program: build the targets brenvolt and brenvolt_bare_window" >&2; exit 1; }
done
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
chmod 700 "$XDG_RUNTIME_DIR"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# One run: prints "<seconds> <kilobytes>"; the wall clock of time -v has only hundredths of
# a second, so the time is also taken around the run in microseconds.
one_run() {
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -v "$@" >/dev/null 2>"$log"
  end=$EPOCHREALTIME
  local kb
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$log")
  echo "$(echo "$end - $start" | bc -l) $kb"
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

game_times=() game_kb=() bare_times=() bare_kb=()
one_run "$bare" >/dev/null  # the first run of all warms the file cache for both
for ((i = 0; i < runs; ++i)); do
  read -r t kb < <(one_run "$bare")
  bare_times+=("$t") bare_kb+=("$kb")
  read -r t kb < <(one_run "$game" --quit-after-first-paint)
  game_times+=("$t") game_kb+=("$kb")
done
bt=$(printf '%s\n' "${bare_times[@]}" | median)
gt=$(printf '%s\n' "${game_times[@]}" | median)
bm=$(printf '%s\n' "${bare_kb[@]}" | median)
gm=$(printf '%s\n' "${game_kb[@]}" | median)
printf 'runs %d (medians), platform %s\n' "$runs" "$QT_QPA_PLATFORM"
printf 'bare window  %6.1f ms  %7.0f kB\n' "$(echo "$bt * 1000" | bc -l)" "$bm"
printf 'brenvolt     %6.1f ms  %7.0f kB\n' "$(echo "$gt * 1000" | bc -l)" "$gm"
printf 'ratio        %6.2f     %7.2f\n' "$(echo "$gt / $bt" | bc -l)" "$(echo "$gm / $bm" | bc -l)"
