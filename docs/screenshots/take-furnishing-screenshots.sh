#!/bin/sh
# Takes the furnishing screenshots of this folder: the furnished sample apartment
# (docs/samples/furnished-apartment.cpr), and the same with the symbol palette of the room
# group "Wohnen" open beside it. Needs Xvfb, xdotool, xwd and ImageMagick's convert.
#   docs/screenshots/take-furnishing-screenshots.sh BUILD_DIR
# The pointer positions below belong to the 1280x900 screen and the default window layout.
set -eu
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
out=$(cd "$(dirname "$0")" && pwd)
sample="$out/../samples/furnished-apartment.cpr"
display=:${KOVEL_SHOT_DISPLAY:-72}
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" DISPLAY="$display"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb "$display" -screen 0 1280x900x24 >"$work/xvfb.log" 2>&1 &
xvfb=$!
"$build/kovel" --nosplash "$sample" >"$work/kovel.log" 2>&1 &
kovel=$!
trap 'kill $kovel $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 4

shot() { xwd -root -silent | convert xwd:- "$out/$1"; }

# The pointer over the living room shows its coordinates.
xdotool mousemove 600 420; sleep 0.3; xdotool mousemove 520 430; sleep 0.4
shot furnished-apartment.png

# "Wohnen" in the toolbox "Einrichtung": several symbols, so the palette opens; the pointer
# on the first candidate names it in the status bar.
xdotool mousemove 147 176 click 1; sleep 1
xdotool mousemove 1000 200; sleep 0.2; xdotool mousemove 1010 210; sleep 0.4
shot symbol-palette.png
