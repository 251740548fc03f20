#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop and a player get from it.
#   check_install.sh BUILD_DIR APP_ID DATA_FROM_BIN ICON_SIZES
# ICON_SIZES is a ';'-separated list. Exits non-zero with a line per fault found.
set -uo pipefail

build=$1
app_id=$2
data_from_bin=$3
IFS=';' read -r -a icon_sizes <<<"$4"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
faults=0
fault() {
  echo "FAULT: $*"
  faults=$((faults + 1))
}

if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log"
  echo "FAULT: cmake --install failed"
  exit 1
fi

# Every installed file must lie inside the prefix: a rule with an absolute destination would
# escape it and could not be packaged.
while read -r installed; do
  case "$installed" in
    "$prefix"/*) ;;
    *) fault "installed outside the prefix: $installed" ;;
  esac
done < <(sed -n 's/^-- Installing: //p; s/^-- Up-to-date: //p' "$scratch/install.log")

for program in brenvolt brenvolt-engine; do
  [ -x "$prefix/bin/$program" ] || fault "bin/$program is missing or not executable"
done

# The program finds its sounds through this path from its own folder.
data=$prefix/bin/$data_from_bin
for sound in 駒打音 禁止 終局 その他 BGM; do
  file=$data/$sound.wav
  if [ ! -s "$file" ]; then
    fault "sound $sound.wav is not in the data folder reached from bin/ ($data)"
  elif [ "$(head -c 4 "$file")" != "RIFF" ]; then
    fault "$sound.wav is not a WAV file"
  fi
done

desktop=$prefix/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exec_program" ] || fault "the menu entry starts '$exec_program', not installed"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ "$icon" = "$app_id" ] || fault "the menu entry's icon is '$icon', not $app_id"
else
  fault "no menu entry $desktop"
fi

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fault "the metainfo does not launch $app_id.desktop"
  grep -q '@[A-Z_]*@' "$metainfo" && fault "the metainfo has an unconfigured @VARIABLE@"
else
  fault "no metainfo $metainfo"
fi

for size in "${icon_sizes[@]}"; do
  icon_file=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  if [ ! -f "$icon_file" ]; then
    fault "no ${size}px icon"
    continue
  fi
  actual=$(identify -format '%wx%h' "$icon_file" 2>/dev/null)
  [ "$actual" = "${size}x${size}" ] || fault "the ${size}px icon is $actual"
  # A blank or single-colour image means the drawing failed (for example without fonts).
  spread=$(identify -format '%[fx:int(standard_deviation*1000)]' "$icon_file" 2>/dev/null)
  [ "${spread:-0}" -ge 50 ] || fault "the ${size}px icon is nearly one colour"
done

# The installed programs run from elsewhere, without the build tree.
cd "$scratch" || exit 1
printf 'usi\nquit\n' | "$prefix/bin/brenvolt-engine" | grep -qx usiok ||
  fault "the installed brenvolt-engine does not answer usi"
if QT_QPA_PLATFORM=offscreen "$prefix/bin/brenvolt" --screenshot "$scratch/shot.png" \
  >"$scratch/shot.log" 2>&1; then
  [ "$(identify -format '%m' "$scratch/shot.png" 2>/dev/null)" = PNG ] ||
    fault "the installed brenvolt wrote no PNG screenshot"
else
  cat "$scratch/shot.log"
  fault "the installed brenvolt --screenshot failed"
fi

[ "$faults" -eq 0 ] && echo "install layout: all checks passed"
[ "$faults" -eq 0 ]
