#!/bin/sh
# Synthesises one of the game's sounds with sox.
#   make_sound.sh SOX NAME OUTPUT WORK_FOLDER
# NAME is piece, refusal, win, bell or music. Every sox run uses -R, so the same sox makes the
# same bytes each time. Effects are 16-bit mono at 44.1 kHz and stay below 1 s; the music is a
# 20-second stereo loop.
set -eu

sox_program=$1
name=$2
out=$3
work=$4
rm -rf "$work"
mkdir -p "$work" "$(dirname "$out")"
sox() { "$sox_program" -V1 -R "$@"; }
effect="-r 44100 -c 1 -b 16"

# An impulse of noise ringing through one resonance: a struck body's mode decays exponentially,
# and the higher the Q the longer it rings.
mode() {  # mode FILE FREQUENCY Q LENGTH
  sox $effect -n "$1" synth 0.002 whitenoise pad 0 "$4" bandpass "$2" "$3"q gain -n -3
}

piece() {  # a short wooden click: a bright snap over the ring of a wooden block
  mode "$work/snap.wav" 1900 12 0.15
  mode "$work/wood.wav" 800 25 0.15
  mode "$work/body.wav" 420 15 0.15
  sox -m -v 0.5 "$work/snap.wav" -v 1 "$work/wood.wav" -v 0.4 "$work/body.wav" \
    -b 16 "$out" gain -n -4 fade 0 0.15 0.08
}

refusal() {  # a short low buzz: two detuned square waves beating, their edges rounded off
  sox $effect -n "$work/low.wav" synth 0.25 square 110 lowpass 900
  sox $effect -n "$work/high.wav" synth 0.25 square 116.5 lowpass 900
  sox -m "$work/low.wav" "$work/high.wav" -b 16 "$out" gain -n -9 fade h 0.01 0.25 0.08
}

bell() {  # BELL_FILE FUNDAMENTAL: the partials of a small bell, each fading at its own pace
  f=$2
  mode "$work/b1.wav" "$f" 500 0.9
  mode "$work/b2.wav" "$(echo "$f * 2.0" | bc)" 500 0.9
  mode "$work/b3.wav" "$(echo "$f * 2.76" | bc)" 400 0.9
  mode "$work/b4.wav" "$(echo "$f * 5.4" | bc)" 300 0.9
  sox -m -v 1 "$work/b1.wav" -v 0.5 "$work/b2.wav" -v 0.35 "$work/b3.wav" \
    -v 0.15 "$work/b4.wav" -b 16 "$1" gain -n -3
}

win() {  # a rising three-note chime
  bell "$work/c1.wav" 784
  bell "$work/c2.wav" 988
  bell "$work/c3.wav" 1175
  sox "$work/c2.wav" "$work/c2late.wav" pad 0.12
  sox "$work/c3.wav" "$work/c3late.wav" pad 0.24
  sox -m -v 0.6 "$work/c1.wav" -v 0.6 "$work/c2late.wav" -v 0.6 "$work/c3late.wav" \
    -b 16 "$out" trim 0 0.95 gain -n -4 fade 0 0.95 0.3
}

version_bell() {  # one clear bell stroke
  bell "$work/single.wav" 1047
  sox "$work/single.wav" "$out" trim 0 0.9 gain -n -4 fade 0 0.9 0.3
}

# A calm phrase in the yo scale (D E G A B), a soft low note under each bar and a sparse last bar
# to breathe, 20 s long. It is rendered twice in a row and the second pass is kept: there every
# note still ringing from the end of the phrase carries over into its start, so the loop has no
# seam.
melody_notes() {  # seconds note loudness
  cat <<'NOTES'
0 D4 0.9
0 D3 0.5
0.5 A4 0.7
1 B4 0.8
1.5 A4 0.5
2 D5 0.8
3 B4 0.6
4 A4 0.8
4 G2 0.5
4.5 G4 0.6
5 E4 0.7
6 G4 0.7
6.5 A4 0.6
8 B4 0.8
8 B2 0.5
8.5 D5 0.7
9 E5 0.8
10 D5 0.6
10.5 B4 0.6
11 A4 0.7
12 G4 0.8
12 A2 0.5
12.5 E4 0.6
13 D4 0.7
14 E4 0.6
14.5 A3 0.4
16 D4 0.6
16 D3 0.4
17 A3 0.5
18 E4 0.4
NOTES
}

music() {
  loop=20
  i=0
  for pass in 0 $loop; do
    melody_notes | while read -r at note loudness; do
      i=$((i + 1))
      start=$(echo "$at + $pass" | bc)
      sox -r 44100 -c 1 -n "$work/n$pass-$i.wav" synth 3 pluck "$note" \
        vol "$(echo "$loudness * 0.5" | bc)" fade 0.012 3 1.2 lowpass 2800 pad "$start"
    done
  done
  parts=$(ls "$work"/n*.wav)
  # shellcheck disable=SC2086
  sox -m $(for p in $parts; do printf -- '-v 0.3 %s ' "$p"; done) "$work/dry.wav"
  sox "$work/dry.wav" -c 2 "$work/wet.wav" remix 1 1 reverb 45 50 70 100 12
  sox "$work/wet.wav" -b 16 "$out" trim $loop $loop gain -n -9
}

case "$name" in
  piece) piece ;;
  refusal) refusal ;;
  win) win ;;
  bell) version_bell ;;
  music) music ;;
  *)
    echo "make_sound.sh: unknown sound $name" >&2
    exit 2
    ;;
esac
