#!/bin/sh
# Takes the two screenshots of this folder: the main window with the sample apartment, and
# the same zoomed in. Needs Xvfb, xdotool, xwd and ImageMagick's convert.
#   docs/screenshots/take-screenshots.sh BUILD_DIR
# The pointer positions below belong to the 1280x900 screen and the default window layout.
set -eu
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
out=$(cd "$(dirname "$0")" && pwd)
display=:${KOVEL_SHOT_DISPLAY:-71}
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" DISPLAY="$display"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb "$display" -screen 0 1280x900x24 >"$work/xvfb.log" 2>&1 &
xvfb=$!
"$build/kovel" --nosplash "$build/plans/apartment.cap" >"$work/kovel.log" 2>&1 &
kovel=$!
trap 'kill $kovel $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 4

shot() { xwd -root -silent | convert xwd:- "$out/$1"; }
# The coordinate readout needs the pointer over the sheet; the help line of a toolbar
# button fills the first pane (the shot is taken before its tooltip shows).
readout_and_help() {
  xdotool mousemove 600 420; sleep 0.3; xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool mousemove "$3" 128; sleep 0.4
}

# Full view, scrolled to the lower right corner of the sheet: the grey surround shows.
xdotool mousemove 600 420
for _ in $(seq 1 30); do xdotool click 5; done
for _ in $(seq 1 10); do xdotool mousemove 1129 779 click 1; done
readout_and_help 610 430 369
shot main-window.png

# Zoom (toolbar "Zoomen") to the rooms of the flat.
xdotool mousemove 621 128 click 1; sleep 0.3
xdotool mousemove 280 190 click 1; sleep 0.3
xdotool mousemove 560 420; sleep 0.2
xdotool mousemove 560 420 click 1; sleep 1
readout_and_help 500 400 621
shot zoomed.png
