#!/usr/bin/env bash
# kovel-cli on documents: new writes the 50-byte empty document, info reports it, dump and
# build are inverse to each other, and a damaged file fails cleanly.
# Usage: document_cli.sh KOVEL_CLI SOURCE_DIR
set -euo pipefail
cli="$1"
src="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# new: the exact bytes of an empty document.
"$cli" new "$tmp/Neu.cpr"
expected="0000c8c2 1700 0131 00000000 00000000 e803 00008000 00007a44 00007a44 0100 0500 69000000 95000000 0000 0000 00000000"
expected="${expected// /}"
actual="$(xxd -p "$tmp/Neu.cpr" | tr -d '\n')"
[ "$actual" = "$expected" ] || fail "new wrote $actual"
[ "$(stat -c %s "$tmp/Neu.cpr")" = 50 ] || fail "new did not write 50 bytes"

# info: one JSON object with the document's settings.
"$cli" info "$tmp/Neu.cpr" > "$tmp/info.json"
python3 - "$tmp/info.json" <<'PY'
import json, sys
info = json.load(open(sys.argv[1]))
expect = {"version": 23, "scale": 100.0, "scaleText": "1", "unitDivisor": 1000, "unit": "m",
          "origin": [0.0, 0.0], "gridColor": 0x00800000, "grid": [1000.0, 1000.0], "gridAutoAdjust": 1,
          "dimTextHeight": 5, "paperMm": [105, 149], "unitsPerMm": 200.0, "extent": [21000, 29800],
          "background": 0, "foreground": 0, "items": 0, "classes": {}}
for key, value in expect.items():
    if info.get(key) != value:
        sys.exit(f"info {key} = {info.get(key)!r}, expected {value!r}")
PY

# build a document with objects of every class from a hand-written dump, then dump it and
# build again: the second file must equal the first byte for byte.
cat > "$tmp/doc.json" <<'JSON'
{
  "scale": 12.5, "scaleText": "12,5 ä", "origin": [-0.0, 1e-45], "unitDivisor": 10, "gridColor": 255,
  "grid": ["nan:0x7fc00001", "inf"], "gridAutoAdjust": 0, "dimTextHeight": 65535, "paperMm": [3000, 4000],
  "background": [
    {"class": "CArdoRect", "position": [0, 10, 20, -30], "pen": 1,
     "logpen": {"style": 6, "width": [1, 1], "color": 0}, "brush": 0,
     "logbrush": {"style": 0, "color": 12632256, "hatch": 0}, "shape": 3, "roundness": [16, 16]},
    {"class": "CArdoPolyline", "position": [0, 0, 100, 100], "pen": 1,
     "logpen": {"style": 0, "width": [5, 0], "color": 255}, "brush": 1,
     "logbrush": {"style": 0, "color": 65280, "hatch": 0}, "allocPoints": 20,
     "points": [[0, 0], [100, 100], [0, 100]]}
  ],
  "foreground": [
    {"class": "CArdoPoly", "position": [0, 0, 1, 1], "pen": 0,
     "logpen": {"style": 0, "width": [0, 0], "color": 0}, "brush": 65535,
     "logbrush": {"style": 1, "color": 4294967295, "hatch": -1}, "allocPoints": 3, "points": []},
    {"class": "CArdoBezier", "position": [-5, -5, 5, 5], "pen": 1,
     "logpen": {"style": 0, "width": [0, 0], "color": 0}, "brush": 1,
     "logbrush": {"style": 0, "color": 0, "hatch": 0}, "allocPoints": 10,
     "points": [[1, 2], [3, 4], [5, 6], [7, 8]]},
    {"class": "CArdoPolyMeasure", "position": [0, 0, 9, 9], "pen": 1,
     "logpen": {"style": 0, "width": [0, 0], "color": 0}, "brush": 0,
     "logbrush": {"style": 0, "color": 0, "hatch": 0}, "allocPoints": 10, "area": 1, "edges": 1,
     "points": [[0, 0], [9, 0], [9, 9]]},
    {"class": "CArdoObj", "position": [2147483647, -2147483648, 0, 0], "pen": 1,
     "logpen": {"style": 0, "width": [0, 0], "color": 0}, "brush": 0,
     "logbrush": {"style": 0, "color": 0, "hatch": 0}},
    {"class": "CArdoRect", "position": [0, 0, 9, 9], "pen": 1,
     "logpen": {"style": 0, "width": [0, 0], "color": 0}, "brush": 0,
     "logbrush": {"style": 0, "color": 0, "hatch": 0}, "shape": 1, "roundness": [-3, 99]},
    {"class": "CArdoText", "position": [0, 0, 50, 10], "pen": 1,
     "logpen": {"style": 6, "width": [1, 1], "color": 0}, "brush": 0,
     "logbrush": {"style": 0, "color": 4210752, "hatch": 0}, "text": "Küche €", "height": 10, "width": 50,
     "initialHeight": -9, "logfont": {"height": 6, "width": 0, "escapement": 0, "orientation": 0,
     "weight": 700, "italic": 1, "underline": 0, "strikeOut": 0, "charSet": 0, "outPrecision": 3,
     "clipPrecision": 2, "quality": 1, "pitchAndFamily": 34, "faceName": "Arial Ä", "faceNameTail": "00ab"},
     "corners": [[0, 0], [0, 10], [50, 10], [50, 0]], "angle": 90},
    {"class": "CArdoSymbol", "position": [0, 0, 100, 100], "pen": 1,
     "logpen": {"style": 6, "width": [1, 1], "color": 0}, "brush": 0,
     "logbrush": {"style": 0, "color": 12632256, "hatch": 0}, "symbolId": 42, "note": "Notiz ö",
     "u1": ["0.6", "0.8"], "u2": ["-0.8", "0.6"], "length": 100.0, "width": 50.0, "flags": 11,
     "corners": [[0, 0], [60, 80], [-40, 30], [20, 110]]}
  ],
  "items": []
}
JSON
"$cli" build "$tmp/doc.json" -o "$tmp/a.cpr"
"$cli" dump "$tmp/a.cpr" > "$tmp/a.json"
"$cli" build "$tmp/a.json" -o "$tmp/b.cpr"
cmp "$tmp/a.cpr" "$tmp/b.cpr" || fail "build(dump(f)) differs from f"
"$cli" dump "$tmp/b.cpr" > "$tmp/b.json"
cmp "$tmp/a.json" "$tmp/b.json" || fail "dump is not stable"
grep -q '"nan:0x7fc00001"' "$tmp/a.json" || fail "NaN bits lost"
grep -q '"scaleText": "12,5 ä"' "$tmp/a.json" || fail "scale text not UTF-8"
"$cli" info "$tmp/a.cpr" | grep -q '"CArdoRect": 2' || fail "info class counts"
# Texts and symbols are dumped field by field, every byte of the font included.
python3 - "$tmp/a.json" <<'PY'
import json, sys
objects = {o["class"]: o for o in json.load(open(sys.argv[1]))["foreground"]}
text, symbol = objects["CArdoText"], objects["CArdoSymbol"]
checks = [(text.get("text"), "Küche €"), (text.get("initialHeight"), -9), (text.get("angle"), 90),
          (text["logfont"].get("faceName"), "Arial Ä"), (text["logfont"].get("faceNameTail"), "00ab"),
          (symbol.get("symbolId"), 42), (symbol.get("note"), "Notiz ö"), (symbol.get("u2"), ["-0.8", "0.6"])]
for actual, expected in checks:
    if actual != expected:
        sys.exit(f"dump has {actual!r}, expected {expected!r}")
if "record" in text or "record" in symbol:
    sys.exit("text or symbol dumped as a record")
PY

# Every text record holds the one class-wide initial height: texts that disagree are refused.
python3 - "$tmp/a.json" "$tmp/mixed.json" <<'PY'
import copy, json, sys
dump = json.load(open(sys.argv[1]))
texts = [o for o in dump["foreground"] if o["class"] == "CArdoText"]
other = copy.deepcopy(texts[0])
other["initialHeight"] = 12
dump["foreground"].append(other)
json.dump(dump, open(sys.argv[2], "w"), ensure_ascii=False)
PY
set +e
"$cli" build "$tmp/mixed.json" -o "$tmp/mixed.cpr" 2> "$tmp/err"
status=$?
set -e
[ "$status" = 1 ] || fail "build with disagreeing initial heights exited $status"
grep -q initialHeight "$tmp/err" || fail "initial height message: $(cat "$tmp/err")"
[ ! -e "$tmp/mixed.cpr" ] || fail "build with disagreeing initial heights wrote a file"

# Text labels, symbols and measures: the furnished sample document holds them all.
sample="$src/docs/samples/furnished-apartment.cpr"
"$cli" info "$sample" | python3 -c '
import json, sys
classes = json.load(sys.stdin)["classes"]
missing = {"CArdoText", "CArdoSymbol", "CArdoPolyMeasure", "CArdoRect", "CArdoPoly"} - set(classes)
sys.exit(f"sample lacks {missing}" if missing else 0)'
"$cli" dump "$sample" > "$tmp/sample.json"
if grep -q '"record"' "$tmp/sample.json"; then fail "the sample dump holds opaque records"; fi
"$cli" build "$tmp/sample.json" -o "$tmp/sample.cpr"
cmp "$sample" "$tmp/sample.cpr" || fail "the furnished sample does not round-trip"

# The empty document too.
"$cli" dump "$tmp/Neu.cpr" > "$tmp/neu.json"
"$cli" build "$tmp/neu.json" -o "$tmp/neu2.cpr"
cmp "$tmp/Neu.cpr" "$tmp/neu2.cpr" || fail "empty document does not round-trip"

# A damaged file: exit status 1, the program's message on stderr, no output file.
head -c 45 "$tmp/a.cpr" > "$tmp/broken.cpr"
for command in info dump; do
    set +e
    "$cli" "$command" "$tmp/broken.cpr" > "$tmp/out" 2> "$tmp/err"
    status=$?
    set -e
    [ "$status" = 1 ] || fail "$command on a damaged file exited $status"
    grep -qx "Unerwartetes Dateiformat." "$tmp/err" || fail "$command message: $(cat "$tmp/err")"
    [ ! -s "$tmp/out" ] || fail "$command printed output for a damaged file"
done

# A dump that cannot be built: exit 1, nothing written.
sed 's/"allocPoints": 10, "area"/"allocPoints": 2, "area"/' "$tmp/doc.json" > "$tmp/bad.json"
set +e
"$cli" build "$tmp/bad.json" -o "$tmp/bad.cpr" 2> "$tmp/err"
status=$?
set -e
[ "$status" = 1 ] || fail "build of a bad dump exited $status"
[ -s "$tmp/err" ] || fail "build of a bad dump printed no message"
[ ! -e "$tmp/bad.cpr" ] || fail "build of a bad dump wrote a file"

# A missing file.
set +e
"$cli" info "$tmp/missing.cpr" 2> "$tmp/err"
status=$?
set -e
[ "$status" = 1 ] || fail "info on a missing file exited $status"
grep -q "Datei nicht gefunden." "$tmp/err" || fail "missing file message: $(cat "$tmp/err")"

echo "document_cli: ok"
