#!/bin/sh
# quorvel_g under a window manager that draws frames: five cycles of start,
# Enter in a field (which presses "Graphics Ready View" and saves), close.
# The window must open where it was, within a pixel, every time.
# usage: windowcreep.sh PROGRAM SETTINGS_FILE
set -u
program=$1 settings=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/"
cp "$settings" "$dir/orrag.ini"

cat >"$dir/run.sh" <<INNER
#!/bin/sh
cd "$dir"
openbox >/dev/null 2>&1 &
sleep 1
for cycle in 1 2 3 4 5; do
  QT_QPA_PLATFORM=xcb ./$(basename "$program") 2>/dev/null &
  pid=\$!
  wid=\$(xdotool search --sync --onlyvisible --name "Quorvel-G" | head -n 1)
  sleep 1
  xdotool windowactivate --sync "\$wid" 2>/dev/null
  xdotool key --window "\$wid" Return
  sleep 1
  xdotool getwindowgeometry "\$wid" | sed -n 's/^ *Position: \\([0-9]*\\),\\([0-9]*\\).*/\\1 \\2/p' >>positions
  kill \$pid
  wait \$pid 2>/dev/null
done
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$dir/run.sh"

[ "$(wc -l <"$dir/positions")" = 5 ] || { echo "the window did not come up five times"; cat "$dir/positions"; exit 1; }
echo "window positions over five starts:"; cat "$dir/positions"
awk 'NR == 1 { x = $1; y = $2 }
     { if ($1 - x > 1 || x - $1 > 1 || $2 - y > 1 || y - $2 > 1) bad = 1 }
     END { if (bad) { print "the window crept"; exit 1 } print "the window stayed where it was" }' "$dir/positions"
