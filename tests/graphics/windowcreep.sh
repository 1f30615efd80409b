#!/bin/sh
# quorvel_g under a window manager that draws frames: five cycles of start,
# Enter in a field (which presses "Graphics Ready View" and saves), close.
# The window must open where it was, within a pixel, every time. Each step
# waits for its event (the window manager running, the window shown and
# framed, the settings file replaced, the window gone), never for a fixed time.
# usage: windowcreep.sh PROGRAM SETTINGS_FILE
set -u
program=$1 settings=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/quorvel_g"
cp "$settings" "$dir/orrag.ini"

cat >"$dir/run.sh" <<'INNER'
#!/bin/sh
cd "$(dirname "$0")"
# Waits until the command given holds, looking every 50 ms for at most 20 s.
waitfor() {
  tries=400
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || { echo "gave up waiting for: $*" >&2; exit 1; }
    sleep 0.05
  done
}
wmruns() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
framed() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q ' = '; }
replaced() { [ "$(stat -c %i orrag.ini)" != "$1" ]; }  # a save renames a new file over the old
# The shown window's id in wid; a search that meets a window being destroyed fails and is repeated.
shown() { wid=$(xdotool search --onlyvisible --name "Quorvel-G" 2>/dev/null | head -n 1); [ -n "$wid" ]; }
closed() { ! shown; }

openbox >/dev/null 2>&1 &
waitfor wmruns
for cycle in 1 2 3 4 5; do
  QT_QPA_PLATFORM=xcb ./quorvel_g 2>/dev/null &
  pid=$!
  waitfor shown
  waitfor framed "$wid"
  xdotool windowactivate --sync "$wid" 2>/dev/null
  before=$(stat -c %i orrag.ini)
  xdotool key --window "$wid" Return
  waitfor replaced "$before"
  xdotool getwindowgeometry "$wid" | sed -n 's/^ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p' >>positions
  kill $pid
  wait $pid 2>/dev/null
  waitfor closed
done
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$dir/run.sh"

[ "$(wc -l <"$dir/positions")" = 5 ] || { echo "the window did not come up five times"; cat "$dir/positions"; exit 1; }
echo "window positions over five starts:"; cat "$dir/positions"
awk 'NR == 1 { x = $1; y = $2 }
     { if ($1 - x > 1 || x - $1 > 1 || $2 - y > 1 || y - $2 > 1) bad = 1 }
     END { if (bad) { print "the window crept"; exit 1 } print "the window stayed where it was" }' "$dir/positions"
