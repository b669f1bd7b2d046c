#!/usr/bin/env bash
# Builds the Debian package from a build folder with CPack and checks it: the
# files a desktop needs are in their places, the dependencies were read from
# the program, and lintian finds no error.
set -euo pipefail
build=$(cd "$1" && pwd)
id=io.github.minuskolonne.Minuskolonne
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/minuskolonne_*.deb)
echo "built $(basename "$deb")"

failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in ./usr/bin/minuskolonne \
            ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/icons/hicolor/16x16/apps/$id.png \
            ./usr/share/icons/hicolor/48x48/apps/$id.png \
            ./usr/share/icons/hicolor/256x256/apps/$id.png \
            ./usr/share/man/man1/minuskolonne.1.gz \
            ./usr/share/doc/minuskolonne/copyright \
            ./usr/share/doc/minuskolonne/changelog.gz; do
  grep -qxF -- "$file" <<<"$contents" || fail "missing $file"
done

# Every file belongs to root, as installed files must.
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = "root/root" ] || fail "files owned by $owners"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6svg6 libc6 fonts-liberation; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer"
[ "$(dpkg-deb -f "$deb" Package)" = minuskolonne ] || fail "package name"
dpkg-deb -f "$deb" Description | grep -q "column subtraction" || fail "no description"

# The packed PNG icons have the size their folder names.
mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
for size in 16 48 256; do
  png="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || continue
  read -r w h < <(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$png")
  [ "$w $h" = "$size $size" ] || fail "$size icon is $w x $h"
done

if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
  cat "$work/lintian.log"
  if grep -q '^E:' "$work/lintian.log"; then fail "lintian reports errors"; fi
else
  echo "lintian not installed: not run"
fi
exit $((failures > 0))
