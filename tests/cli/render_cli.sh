#!/usr/bin/env bash
# kovel-cli render: with Qt it writes the sheet as PNG, SVG or PDF chosen by the output's
# name and refuses other names as bad usage; without Qt it says that it cannot render.
# Usage: render_cli.sh KOVEL_CLI SOURCE_DIR; KOVEL_CLI_RENDERS=1 when built with Qt.
set -euo pipefail
cli="$1"
src="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
status() { set +e; "$@" 2> "$tmp/err"; local s=$?; set -e; echo "$s"; }
plan="$src/tests/data/realplans/barcelona_pavilion.cap"

# Every build lists render among its commands.
[ "$(status "$cli")" = 2 ] || fail "no command was not bad usage"
grep -q "^  kovel-cli render FILE -o OUT.png|OUT.svg|OUT.pdf" "$tmp/err" || fail "usage without render: $(cat "$tmp/err")"

if [ "${KOVEL_CLI_RENDERS:-0}" != 1 ]; then
  [ "$(status "$cli" render "$plan" -o "$tmp/a.png")" = 1 ] || fail "render without Qt did not exit 1"
  grep -q "ohne Qt erstellt und kann nicht rendern" "$tmp/err" || fail "wrong message: $(cat "$tmp/err")"
  [ ! -e "$tmp/a.png" ] || fail "render without Qt wrote a file"
  echo "render refused without Qt OK"
  exit 0
fi

# Each format by its name, in any case.
"$cli" render "$plan" -o "$tmp/a.PNG" --size 120x80
[ "$(head -c 8 "$tmp/a.PNG" | xxd -p)" = 89504e470d0a1a0a ] || fail "no PNG written"
"$cli" render "$plan" -o "$tmp/a.svg" --size 120x80 --grid
grep -q "<svg" "$tmp/a.svg" || fail "no SVG written"
"$cli" render "$plan" -o "$tmp/a.pdf" --size 120x80
[ "$(head -c 4 "$tmp/a.pdf")" = "%PDF" ] || fail "no PDF written"

# No exporter for the name, or bad options: usage, nothing written.
[ "$(status "$cli" render "$plan" -o "$tmp/a.jpg")" = 2 ] || fail "an unknown output name was not bad usage"
grep -q "^Usage: kovel-cli render" "$tmp/err" || fail "no usage: $(cat "$tmp/err")"
[ "$(status "$cli" render "$plan" -o "$tmp/b.png" --size 0x5)" = 2 ] || fail "a zero size was not bad usage"
[ ! -e "$tmp/a.jpg" ] && [ ! -e "$tmp/b.png" ] || fail "bad usage wrote a file"

# A missing document fails with the program's message.
[ "$(status "$cli" render "$tmp/gone.cpr" -o "$tmp/c.png")" = 1 ] || fail "a missing input did not fail"
grep -q "Datei nicht gefunden" "$tmp/err" || fail "wrong message: $(cat "$tmp/err")"
echo "render commands OK"
