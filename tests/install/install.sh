#!/bin/sh
# An installation to a prefix: exactly the files of files.txt, desktop entries
# and metadata that pass their validators, entries that group each program's
# windows (StartupWMClass) and open images (MimeType, %f). Then a new account
# (nobody with an empty home and a login's bare environment, when run as root)
# uses the read-only prefix: quorvel_g started first from its menu entry, then
# quorvel from its own with an image, as a file manager opens one (the
# measuring window shows), and without; each window found by the class its
# entry names;
# quorvel saves at "Draw", "Help" opens the installed guide, "Graphics" starts
# the installed quorvel_g, which draws and saves.
# usage: install.sh BUILD_DIR
set -u
build=$1 here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix home=$work/home apps=$work/prefix/share/applications
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/files"
diff "$here/files.txt" "$work/files" || fail "the installation holds other files than files.txt"
desktop-file-validate "$apps"/*.desktop || fail "a desktop entry is not valid"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml >/dev/null || fail "the metadata is not valid"
for p in quorvel quorvel_g quorvel_cli; do
  "$prefix/bin/$p" --version | grep -q '^'$p' [0-9]' || fail "$p --version"
  "$prefix/bin/$p" --help >/dev/null || fail "$p --help"
done
viewer=$apps/org.quorvel.Quorvel.desktop graphics=$apps/org.quorvel.QuorvelG.desktop
grep -qx 'Exec=quorvel %f' "$viewer" || fail "quorvel's entry does not pass it a file"
grep -qx 'MimeType=image/fits;application/fits;image/png;image/jpeg;image/tiff;' "$viewer" ||
  fail "quorvel's entry does not open FITS, PNG, JPEG and TIFF images"
grep -qx 'StartupWMClass=quorvel' "$viewer" || fail "quorvel's entry names no window class"
grep -qx 'StartupWMClass=quorvel_g' "$graphics" || fail "quorvel_g's entry names no window class"

# The new account's session, with an opener that records what it was given.
mkdir -p "$home/bin"
cat >"$home/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >>"$home/opened"
OPENER
chmod 755 "$home/bin/xdg-open"
convert -size 300x300 xc:black -fill '#f0e0a0' -draw 'circle 150,150 150,30' "$home/disk.png" ||
  fail "could not make the test image"
cat >"$home/session.sh" <<SESSION
#!/bin/sh
# Its own X server on a display the server picks (-displayfd): free even
# while other X tests start theirs.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" 2>/dev/null &
xvfb=\$!
trap 'kill \$xvfb' EXIT
i=0
until [ -n "\$(cat "$home/display")" ]; do [ \$i -lt 100 ] || exit 1; sleep 0.1; i=\$((i + 1)); done
export DISPLAY=:\$(cat "$home/display") PATH="$home/bin:$prefix/bin:\$PATH"
# Until the server takes connections: on a busy machine its first ones have
# been refused.
i=0
until xdpyinfo >/dev/null 2>&1; do [ \$i -lt 100 ] || exit 1; sleep 0.1; i=\$((i + 1)); done
cd "\$HOME"
config=\$HOME/.config/quorvel
said() { echo "\$*" >>"$home/failures"; exit 1; }
# Waits up to 20 s for a file written after the mark.
written() {
  i=0
  until [ -n "\$(find "\$1" -newer "$home/mark" 2>/dev/null)" ]; do
    [ \$i -lt 200 ] || return 1; sleep 0.1; i=\$((i + 1))
  done
}
# The visible window of the class an entry names, waiting up to 20 s.
window() {
  class=\$(sed -n 's/^StartupWMClass=//p' "\$1")
  timeout 20 xdotool search --sync --onlyvisible --class "^\$class\\\$" | head -n 1
}
# The command of an entry's Exec line, given a file as a file manager gives it.
start() {
  set -- \$(sed -n 's/^Exec=//p' "\$1" | sed "s|%f|\${2:-}|; s/ *%[a-zA-Z]//g")
  "\$@" 2>>"$home/stderr" &
}
start "$graphics"
graphicspid=\$!
[ -n "\$(window "$graphics")" ] || said "quorvel_g, started first from its entry, showed no window of its class"
kill \$graphicspid
start "$viewer" "$home/disk.png"   # "Open With Quorvel"
measuringpid=\$!
measuring=\$(timeout 20 xdotool search --sync --onlyvisible --name '^Measure Image\$' | head -n 1)
[ -n "\$measuring" ] || said "quorvel's entry, given an image, opened no measuring window"
kill \$measuringpid
start "$viewer"
viewerpid=\$!
[ -n "\$(window "$viewer")" ] || said "quorvel, started from its entry, showed no window of its class"
touch "$home/mark"
xdotool mousemove 32 46 click 1 key Return   # Enter in the day field presses "Draw", which saves
written "\$config/orra.ini" || said "Draw saved no orra.ini in \$config"
xdotool mousemove 599 446 click 1     # "Help", at 96 dots per inch
written "$home/opened" || said "Help opened nothing"
xdotool mousemove 540 446 click 1     # "Graphics"
second=\$(window "$graphics")
[ -n "\$second" ] || said "Graphics showed no quorvel_g window"
touch "$home/mark"
xdotool mousemove 52 54 click 1 key Return   # in quorvel_g's day field: "Graphics Ready View", which saves
written "\$config/orrag.ini" || said "the graphics-ready view saved no orrag.ini in \$config"
kill \$(xdotool getwindowpid \$second) \$viewerpid
SESSION
chmod 755 "$home/session.sh"
chmod 755 "$work"
session="env -i HOME=$home PATH=/usr/bin:/bin LANG=C.UTF-8 $home/session.sh"
if [ "$(id -u)" = 0 ]; then
  chown -R nobody "$home"
  runuser -u nobody -- sh -c "$session"
else
  echo "not root: the session runs as $(id -un) with an empty home, not as a new account"
  chmod -R a-w "$prefix"
  sh -c "$session"
fi
[ -e "$home/failures" ] && { cat "$home/failures" "$home/stderr"; fail "the new account's session failed"; }
[ -s "$home/stderr" ] && { cat "$home/stderr"; fail "the windows wrote to standard error outside a login session"; }

config=$home/.config/quorvel
[ "$(stat -c %s "$config/orra.ini" 2>/dev/null)" = 168 ] || fail "quorvel saved no orra.ini in $config"
[ "$(stat -c %s "$config/orrag.ini" 2>/dev/null)" = 168 ] || fail "quorvel_g saved no orrag.ini in $config"
grep -qx "$prefix/share/doc/quorvel/helpqv.pdf" "$home/opened" 2>/dev/null || fail "Help did not open the installed guide"
[ -z "$(find "$prefix" -newer "$here/files.txt" -name '*.ini')" ] || fail "settings were written into the prefix"
# quorvel_cli draws through its private program in the installed libexec folder.
QT_QPA_PLATFORM=offscreen "$prefix/bin/quorvel_cli" render --lat 51.5 --out "$work/disk.png" 2>/dev/null ||
  fail "the installed quorvel_cli could not render"
echo "installed, validated and used by a new account from a read-only prefix"
