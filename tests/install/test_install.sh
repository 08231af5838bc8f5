# The installed program: `cmake --install` into a temporary prefix lays out a tree the
# desktop understands, and CPack makes a Debian package of it that declares what it needs.
set -euo pipefail
BUILD=${1:?usage: $0 <build folder>}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
expected=(bin/orvane share/orvane/Orvane.chm
  share/applications/org.orvane.Orvane.desktop share/metainfo/org.orvane.Orvane.metainfo.xml)
for sound in Open Win Loose Flag FlagErr; do expected+=("share/orvane/$sound.wav"); done
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/orvane.png"); done
for file in "${expected[@]}"; do
  [ -s "$PREFIX/$file" ] || fail "the installed tree lacks $file"
done
[ -x "$PREFIX/bin/orvane" ] || fail "bin/orvane is not executable"
for size in 16 48 256; do
  [ "$(identify -format '%wx%h' "$PREFIX/share/icons/hicolor/${size}x${size}/apps/orvane.png")" = "${size}x${size}" ] ||
    fail "the ${size}px icon has the wrong size"
done

desktop-file-validate "$PREFIX/share/applications/org.orvane.Orvane.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$PREFIX/share/metainfo/org.orvane.Orvane.metainfo.xml" >"$WORK/appstream.log" ||
  { cat "$WORK/appstream.log" >&2; fail "AppStream metainfo"; }

# The Debian package: the same tree under /usr, and the libraries it links declared.
(cd "$WORK" && cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" >/dev/null)
deb=$(ls "$WORK"/package/orvane_*.deb) || fail "cpack made no package"
contents=$(dpkg-deb --contents "$deb")
for file in bin/orvane share/orvane/Orvane.chm share/applications/org.orvane.Orvane.desktop \
  share/icons/hicolor/256x256/apps/orvane.png; do
  grep -q " \./usr/$file\$" <<<"$contents" || fail "the package lacks /usr/$file"
done
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libsdl2 libglu1-mesa qt6-qpa-plugins libgl1-mesa-dri; do
  grep -q "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
echo "PASS"
