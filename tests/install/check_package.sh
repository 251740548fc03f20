#!/usr/bin/env bash
# Builds the Debian package from a finished build into a scratch folder and checks what apt
# would install: everything under /usr, the programs, sounds, menu entry, icons and metadata,
# and dependencies on the font and the libraries the programs need.
#   check_package.sh BUILD_DIR APP_ID
set -uo pipefail

build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
faults=0
fault() {
  echo "FAULT: $*"
  faults=$((faults + 1))
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAULT: cpack failed"
  exit 1
fi
packages=("$scratch"/brenvolt_*.deb)
if [ ! -f "${packages[0]}" ]; then
  echo "FAULT: no brenvolt_*.deb was written"
  exit 1
fi
package=${packages[0]}

dpkg-deb -c "$package" | awk '{print $6}' | sed 's|^\./|/|' >"$scratch/files"
while read -r file; do
  case "$file" in
    /usr/ | /usr/*) ;;
    *) fault "the package installs outside /usr: $file" ;;
  esac
done <"$scratch/files"

for expected in /usr/bin/brenvolt /usr/bin/brenvolt-engine \
  /usr/share/brenvolt/駒打音.wav /usr/share/brenvolt/禁止.wav /usr/share/brenvolt/終局.wav \
  /usr/share/brenvolt/その他.wav /usr/share/brenvolt/BGM.wav \
  "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml" \
  "/usr/share/icons/hicolor/48x48/apps/$app_id.png"; do
  grep -qxF "$expected" "$scratch/files" || fault "the package lacks $expected"
done

[ "$(dpkg-deb -f "$package" Package)" = brenvolt ] || fault "the package is not named brenvolt"
[ "$(dpkg-deb -f "$package" Section)" = games ] || fault "the package is not in section games"
depends=$(dpkg-deb -f "$package" Depends)
for needed in fonts-ipafont-mincho libqt6widgets6 libsdl2-mixer-2.0-0; do
  grep -q "\b$needed\b" <<<"$depends" || fault "the package does not depend on $needed: $depends"
done

[ "$faults" -eq 0 ] && echo "debian package: all checks passed"
[ "$faults" -eq 0 ]
