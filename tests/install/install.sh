#!/bin/sh
# An installation to a prefix: exactly the files of files.txt, desktop entries
# and metadata that pass their validators, and the programs used from the
# read-only prefix by an ordinary user (nobody, when run as root): quorvel
# saves at "Draw", "Help" opens the installed guide, "Graphics" starts the
# installed quorvel_g, which imports quorvel's settings, draws and saves.
# usage: install.sh BUILD_DIR
set -u
build=$1 here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix home=$work/home
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/files"
diff "$here/files.txt" "$work/files" || fail "the installation holds other files than files.txt"
desktop-file-validate "$prefix"/share/applications/*.desktop || fail "a desktop entry is not valid"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml >/dev/null || fail "the metadata is not valid"
for p in quorvel quorvel_g quorvel_cli; do
  "$prefix/bin/$p" --version | grep -q '^'$p' [0-9]' || fail "$p --version"
  "$prefix/bin/$p" --help >/dev/null || fail "$p --help"
done

# The ordinary user's session, with an opener that records what it was given.
mkdir -p "$home/bin" "$home/.config"
cat >"$home/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >>"$home/opened"
OPENER
chmod 755 "$home/bin/xdg-open"
cat >"$home/session.sh" <<SESSION
#!/bin/sh
export HOME="$home" XDG_CONFIG_HOME="$home/.config" PATH="$home/bin:\$PATH" QT_QPA_PLATFORM=xcb
cd "$home"
"$prefix/bin/quorvel" 2>/dev/null &
viewer=\$!
xdotool search --sync --onlyvisible --name '^Quorvel\$' >/dev/null
sleep 1
xdotool mousemove 32 46 click 1 key Return   # Enter in the day field presses "Draw", which saves
sleep 1
xdotool mousemove 599 446 click 1     # "Help", at 96 dots per inch
sleep 1
xdotool mousemove 540 446 click 1     # "Graphics"
xdotool search --sync --onlyvisible --name '^Quorvel-G' >/dev/null
sleep 1
xdotool mousemove 52 54 click 1 key Return   # in quorvel_g's day field: "Graphics Ready View", which saves
sleep 1
kill \$viewer
pkill -f "$prefix/bin/quorvel_g"
SESSION
chmod 755 "$home/session.sh"
chmod 755 "$work"
if [ "$(id -u)" = 0 ]; then
  chown -R nobody "$home"
  runuser -u nobody -- env HOME="$home" xvfb-run -a -s "-screen 0 1024x768x24" "$home/session.sh"
else
  chmod -R a-w "$prefix"
  xvfb-run -a -s "-screen 0 1024x768x24" "$home/session.sh"
fi

config=$home/.config/quorvel
[ "$(stat -c %s "$config/orra.ini" 2>/dev/null)" = 168 ] || fail "quorvel saved no orra.ini in $config"
[ "$(stat -c %s "$config/orrag.ini" 2>/dev/null)" = 168 ] || fail "quorvel_g saved no orrag.ini in $config"
grep -qx "$prefix/share/doc/quorvel/helpqv.pdf" "$home/opened" 2>/dev/null || fail "Help did not open the installed guide"
[ -z "$(find "$prefix" -newer "$here/files.txt" -name '*.ini')" ] || fail "settings were written into the prefix"
# quorvel_cli draws through its private program in the installed libexec folder.
QT_QPA_PLATFORM=offscreen "$prefix/bin/quorvel_cli" render --lat 51.5 --out "$work/disk.png" 2>/dev/null ||
  fail "the installed quorvel_cli could not render"
echo "installed, validated and used from a read-only prefix"
