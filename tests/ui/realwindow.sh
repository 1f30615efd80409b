#!/bin/sh
# A real window under Xvfb: start a program in a folder with a prepared
# settings file, wait for its picture, keep a screenshot and check it by pixels.
# usage: realwindow.sh PROGRAM SETTINGS_FILE ARTEFACT.png CHECKS
#   CHECKS: "x,y,colour ..." where colour is yellow, notpink, white, black or
#   #rrggbb; x, y are screen pixels (the window opens at the top-left corner).
set -u
program=$1 settings=$2 artefact=$3 checks=$4
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/"
cp "$settings" "$dir/$(basename "$settings")"

cat >"$dir/run.sh" <<INNER
#!/bin/sh
cd "$dir"
./$(basename "$program") &
pid=\$!
i=0
while [ \$i -lt 40 ]; do
  sleep 0.5
  import -window root "$artefact" 2>/dev/null
  # The window is up once its pale yellow background shows at (2, 2).
  c=\$(convert "$artefact" -format '%[hex:p{2,2}]' info: 2>/dev/null)
  case "\$c" in FFFFCA*) sleep 1; import -window root "$artefact"; break ;; esac
  i=\$((i + 1))
done
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
