#!/bin/sh
# A real window under Xvfb: start a program in a folder with a prepared
# settings file, wait for its picture, keep a screenshot and check it by pixels.
# usage: realwindow.sh PROGRAM SETTINGS_FILE ARTEFACT.png CHECKS [READY [CLICK]]
#   CHECKS: "x,y,colour ..." where colour is yellow, notpink, white or #rrggbb;
#   x, y are screen pixels (there is no window manager: no frame, no title).
#   READY: "x,y", a point of the window's pale yellow background (default 2,2).
#   CLICK: "x,y", a button to press once the window is up.
set -u
program=$1 settings=$2 artefact=$3 checks=$4
ready=${5:-2,2}
click=${6:-}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/"
# "orra_plain.ini" goes in as "orra.ini", "orrag_style.ini" as "orrag.ini".
cp "$settings" "$dir/$(basename "$settings" | sed 's/_[^.]*\././')"

cat >"$dir/run.sh" <<INNER
#!/bin/sh
cd "$dir"
QT_QPA_PLATFORM=xcb ./$(basename "$program") &
pid=\$!
i=0
while [ \$i -lt 40 ]; do
  sleep 0.5
  import -window root "$artefact" 2>/dev/null
  # The window is up once its pale yellow background shows at (2, 2).
  c=\$(convert "$artefact" -format '%[hex:p{$ready}]' info: 2>/dev/null)
  case "\$c" in FFFFCA*) break ;; esac
  i=\$((i + 1))
done
if [ -n "$click" ]; then
  xdotool mousemove \$(echo "$click" | tr , ' ') click 1
fi
sleep 1.5
import -window root "$artefact"
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit 0
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$dir/run.sh"
[ -s "$artefact" ] || { echo "no screenshot was taken"; exit 1; }

status=0
for check in $checks; do
  x=${check%%,*} rest=${check#*,}
  y=${rest%%,*} want=${rest#*,}
  got=$(convert "$artefact" -format '%[hex:p{'"$x,$y"'}]' info: | cut -c1-6)
  case "$want" in
    yellow) ok=$(echo "$got" | grep -c '^FFFF[0-3]') ;;
    notpink) ok=$([ "$got" != FFC0C0 ] && echo 1 || echo 0) ;;
    white) ok=$([ "$got" = FFFFFF ] && echo 1 || echo 0) ;;
    *) ok=$([ "$got" = "$(echo "$want" | tr -d '#' | tr a-f A-F)" ] && echo 1 || echo 0) ;;
  esac
  if [ "$ok" -ge 1 ]; then echo "pixel $x,$y is $got: $want"; else echo "pixel $x,$y is $got, expected $want"; status=1; fi
done
echo "screenshot kept as $artefact"
exit $status
