# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program: `cmake --install` into a temporary prefix lays out a tree the
# desktop understands, and CPack makes a Debian package of it that declares what it needs.
set -euo pipefail
BUILD=${1:?usage: $0 <build folder>}
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
source "$SOURCE/tests/own_session.sh"
WORK=$(mktemp -d)
RUNTIME=$WORK/runtime
trap 'end_session "$RUNTIME"; chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
DESKTOP=share/applications/org.orvane.Orvane.desktop
METAINFO=share/metainfo/org.orvane.Orvane.metainfo.xml
MIME=share/mime/packages/org.orvane.Orvane.xml
expected=(bin/orvane share/orvane/Orvane.chm share/orvane/help/index.html share/orvane/help/contents.hhc
  "$DESKTOP" "$METAINFO" "$MIME" share/man/man6/orvane.6.gz share/doc/orvane/copyright)
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

desktop-file-validate "$PREFIX/$DESKTOP" || fail "desktop entry"
# Replay files are a type of their own, by name and by their first bytes, and the desktop
# entry opens them.
grep -q '^MimeType=application/x-orvane-replay;$' "$PREFIX/$DESKTOP" || fail "the desktop entry opens no replays"
grep -q '^Exec=orvane %f$' "$PREFIX/$DESKTOP" || fail "the desktop entry passes no file"
mkdir -p "$WORK/mime/packages"
cp "$PREFIX/$MIME" "$WORK/mime/packages/"
update-mime-database "$WORK/mime" >/dev/null || fail "the replay type is not one the type database takes"
grep -q '^50:application/x-orvane-replay:\*\.orvreplay$' "$WORK/mime/globs2" || fail "no glob for replay files"
grep -aq 'application/x-orvane-replay' "$WORK/mime/magic" || fail "no magic for replay files"
appstreamcli validate --no-net "$PREFIX/$METAINFO" >"$WORK/appstream.log" ||
  { cat "$WORK/appstream.log" >&2; fail "AppStream metainfo"; }
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$PREFIX/$METAINFO" ||
  fail "the metainfo names no GPL-3.0-or-later licence"
grep -q "<launchable type=\"desktop-id\">$(basename "$DESKTOP")</launchable>" "$PREFIX/$METAINFO" ||
  fail "the metainfo does not launch $(basename "$DESKTOP")"
# Each screenshot is a picture of the source tree, of the size the metainfo gives it.
shots=$(grep -o '<image[^>]*>[^<]*' "$PREFIX/$METAINFO" | sed -E 's/.*width="([0-9]+)" height="([0-9]+)".*\/([^/]+)$/\3 \1x\2/')
[ -n "$shots" ] || fail "the metainfo shows no screenshot"
while read -r picture size; do
  [ "$(identify -format '%wx%h' "$SOURCE/data/screenshots/$picture" 2>/dev/null)" = "$size" ] ||
    fail "the screenshot $picture is not a picture of $size in data/screenshots"
done <<<"$shots"
grep -q 'GNU General Public License' "$PREFIX/share/doc/orvane/copyright" || fail "the copyright file names no licence"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$PREFIX/share/man/man6/orvane.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"

# The Debian package: the same tree under /usr, and the libraries it links declared.
(cd "$WORK" && cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" >/dev/null)
deb=$(ls "$WORK"/package/orvane_*.deb) || fail "cpack made no package"
contents=$(dpkg-deb --contents "$deb")
for file in bin/orvane share/orvane/Orvane.chm "$DESKTOP" "$MIME" share/icons/hicolor/256x256/apps/orvane.png \
  share/man/man6/orvane.6.gz share/doc/orvane/copyright; do
  grep -q " \./usr/$file\$" <<<"$contents" || fail "the package lacks /usr/$file"
done
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libsdl2 libglu1-mesa qt6-qpa-plugins libgl1-mesa-dri; do
  grep -q "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done

# The installed program from a prefix it may not write, as a user without rights there,
# in a desktop session of its own with a temporary home: it keeps its settings and scores
# in the user's XDG folders and shows no error box. Under root, whose rights ignore
# permissions, it runs as "nobody".
chmod 755 "$WORK"
chmod -R a-w "$PREFIX"
HOME_DIR=$WORK/home
mkdir "$HOME_DIR"
mkdir -m 700 "$RUNTIME"
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$HOME_DIR" "$RUNTIME"
  SESSION_AS=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
cp "${XAUTHORITY:?the display needs its key}" "$WORK/Xauthority"
chmod 644 "$WORK/Xauthority"
cd "$HOME_DIR"
start_session "$RUNTIME" -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$HOME_DIR" \
  XAUTHORITY="$WORK/Xauthority" "$PREFIX/bin/orvane" >"$WORK/run.log" 2>&1
app=$SESSION_PID
windows() { xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null || true; }
for _ in $(seq 1 100); do
  window=$(windows | head -n 1)
  [ -n "$window" ] && break
  kill -0 $app 2>/dev/null || { cat "$WORK/run.log" >&2; fail "the installed program ended at once"; }
  sleep 0.1
done
[ -n "$window" ] || fail "the installed program showed no window"
# Docks tie the window to its launcher by the window's class.
class=$(xprop -id "$window" WM_CLASS | sed -E 's/.*", "([^"]*)"$/\1/')
grep -qx "StartupWMClass=$class" "$PREFIX/$DESKTOP" || fail "the window's class $class is not the desktop entry's"

SETTINGS=$HOME_DIR/.config/orvane/Setup.cfg
SCORES=$HOME_DIR/.local/share/orvane/Orvane.cfg
settings_are() { [ "$(od -An -v -tx1 -N 3 "$SETTINGS" 2>/dev/null | xargs)" = "$1" ]; }
xdotool windowfocus --sync "$window"
xdotool key alt+3 # the second theme, saved at once
for _ in $(seq 1 50); do settings_are "16 02 01" && break; sleep 0.1; done
settings_are "16 02 01" || fail "the theme was not saved in $SETTINGS"
[ "$(stat -c %s "$SCORES" 2>/dev/null)" = 1968 ] || fail "no score file in $SCORES"
[ "$(windows | wc -l)" -eq 1 ] || fail "an error box was shown: $(cat "$WORK/run.log")"
[ -z "$(find "$PREFIX" -name '*.cfg')" ] || fail "a file was written into the prefix"
xdotool key alt+F4
for _ in $(seq 1 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
kill -0 $app 2>/dev/null && fail "the installed program did not end when closed"
echo "PASS"
